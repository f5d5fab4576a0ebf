// The window that shows how far a clip has got, with a cancel button. It lives while the clip
// is written on the UI thread: each report pumps the window's messages (at most every 50 ms, so
// the pumping costs the clip next to nothing) with the Form disabled meanwhile.
#pragma once

#include <windows.h>

#include "clip/ClipExport.h"

namespace rolva {

class ClipProgressWindow final : public ClipProgress {
public:
    explicit ClipProgressWindow(HWND owner);
    ~ClipProgressWindow() override;  // enables the owner again and destroys the window
    ClipProgressWindow(const ClipProgressWindow&) = delete;
    ClipProgressWindow& operator=(const ClipProgressWindow&) = delete;

    bool Continue(std::int64_t done, std::int64_t total) override;

    HWND Handle() const { return window_; }
    // What the cancel button does; also for a close request and for a quit of the program.
    void Cancel() { cancelled_ = true; }

private:
    HWND owner_;
    HWND window_ = nullptr;
    bool cancelled_ = false;
    bool quitSeen_ = false;
    int quitCode_ = 0;
    DWORD lastPump_ = 0;
};

}  // namespace rolva
