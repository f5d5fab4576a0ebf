// The window that shows how far long work on the UI thread has got, with a cancel button. It
// lives while the work runs: each report pumps the thread's messages (at most every 50 ms, so
// the pumping costs the work next to nothing), with the owner disabled meanwhile. The rooms give
// it their caption and line: the GIF export, the strip maker.
#pragma once

#include <windows.h>

#include "base/core/Progress.h"

namespace rolva {

class ProgressWindow : public Progress {
public:
    // showAfterMs: the window appears only once the work has run that long, so that short work
    // does not flash it (0: at once). The owner is disabled from the start either way.
    ProgressWindow(HWND owner, const char* caption, const char* text, DWORD showAfterMs = 0);
    ~ProgressWindow() override;  // enables the owner again and destroys the window
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    bool Continue(std::int64_t done, std::int64_t total) override;

    HWND Handle() const { return window_; }
    // What the cancel button does; also for a close request and for a quit of the program.
    void Cancel() { cancelled_ = true; }
    // The window went with its owner (the program ending under the work): the work stops too.
    void WindowDestroyed()
    {
        window_ = nullptr;
        cancelled_ = true;
    }

private:
    HWND owner_;
    HWND focus_ = nullptr;  // the owner's control that had the focus before
    HWND window_ = nullptr;
    bool cancelled_ = false;
    bool quitSeen_ = false;
    int quitCode_ = 0;
    DWORD lastPump_ = 0;
    DWORD started_;
    DWORD showAfterMs_;
    bool shown_ = false;
};

}  // namespace rolva
