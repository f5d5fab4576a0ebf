// A person at a save chooser, played from a thread of its own: the name typed, Save pressed,
// every message box answered with one button. Used by the tests of Save As and of the strip
// maker's output chooser.
#pragma once

#include <windows.h>

#include <dlgs.h>

#include <string>
#include <vector>

#include "TestSupport.h"

namespace rolva::test {

inline BOOL CALLBACK CollectOwnDialog(HWND window, LPARAM context)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassOf(window) == "#32770")
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// Answers a save chooser as a person would: types the name into it and presses Save, and answers
// every message box with the button given. A chooser still open a second after its last box
// (the person said No to replacing) is cancelled.
class SaveChooserDriver {
public:
    SaveChooserDriver(std::string name, int boxButton) : name_(std::move(name)), boxButton_(boxButton)
    {
        InitializeCriticalSection(&lock_);
        stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~SaveChooserDriver()
    {
        SetEvent(stop_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(stop_);
        DeleteCriticalSection(&lock_);
    }
    SaveChooserDriver(const SaveChooserDriver&) = delete;
    SaveChooserDriver& operator=(const SaveChooserDriver&) = delete;

    bool Typed() const
    {
        Lock lock(lock_);
        return typed_;
    }
    std::vector<std::string> Boxes() const
    {
        Lock lock(lock_);
        return boxes_;
    }

private:
    struct Lock {
        explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
        ~Lock() { LeaveCriticalSection(&section_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        CRITICAL_SECTION& section_;
    };

    static DWORD WINAPI Run(LPVOID self)
    {
        static_cast<SaveChooserDriver*>(self)->Loop();
        return 0;
    }

    void Loop()
    {
        DWORD lastAct = 0;
        while (WaitForSingleObject(stop_, 20) == WAIT_TIMEOUT) {
            std::vector<HWND> dialogs;
            EnumWindows(CollectOwnDialog, reinterpret_cast<LPARAM>(&dialogs));
            HWND box = nullptr, saveDialog = nullptr;
            for (HWND dialog : dialogs)
                (GetDlgItem(dialog, 0xFFFF) ? box : saveDialog) = dialog;
            if (box) {
                const std::string text = TextOf(box) + "|" + TextOfItem(box, 0xFFFF);  // caption|message
                {
                    Lock lock(lock_);
                    boxes_.push_back(text);
                }
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(boxButton_, BN_CLICKED), 0);
                WaitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000);
                lastAct = GetTickCount();
            } else if (saveDialog && !Typed()) {
                // The dialog fills its lists after it first shows.
                WaitUntil([saveDialog] { return SendDlgItemMessageA(saveDialog, cmb1, CB_GETCOUNT, 0, 0) > 0; });
                HWND nameBox = GetDlgItem(saveDialog, cmb13);
                if (!nameBox)
                    nameBox = GetDlgItem(saveDialog, edt1);
                SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name_.c_str()));
                {
                    Lock lock(lock_);
                    typed_ = true;
                }
                PostMessageA(saveDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                lastAct = GetTickCount();
            } else if (saveDialog && GetTickCount() - lastAct > 1000) {
                PostMessageA(saveDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                lastAct = GetTickCount();
            }
        }
    }

    static std::string TextOfItem(HWND dialog, int id)
    {
        char text[1024] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }

    std::string name_;
    int boxButton_;
    HANDLE stop_;
    HANDLE thread_;
    mutable CRITICAL_SECTION lock_;
    bool typed_ = false;
    std::vector<std::string> boxes_;
};

}  // namespace rolva::test
