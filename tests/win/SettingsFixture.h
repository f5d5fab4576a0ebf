// What the settings dialog's tests share: the scene put back as it was, the dialog opened the
// way RunModal opens it (without its loop, so a test drives it with messages), a person's
// clicks on its arrows and buttons, the choosers answered as a person would, and steps run
// from inside a real modal loop.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "SharedState.h"
#include "document/core/SceneLiveLook.h"

namespace rolva::test {

// Everything the dialog can change, put back when the guard goes. Pictures loaded meanwhile
// are dropped again when there was none before.
class SceneGuard {
public:
    SceneGuard();
    ~SceneGuard();
    SceneGuard(const SceneGuard&) = delete;
    SceneGuard& operator=(const SceneGuard&) = delete;

private:
    struct Sign {
        int left, top, width, height, visible;
        std::uint8_t kind;
        std::int32_t cornerRadius;
        std::int16_t manuscriptFrames;
        SignLiveLook liveLook;
        std::string picturePath;
        std::string display;
        bool hadPicture;
    };
    int formWidth_, formHeight_, panelWidth_;
    bool formEnabled_, panelEnabled_;
    std::int32_t gdiplus_;
    std::string backgroundPath_;
    bool hadBackground_;
    std::string currentDirectory_;  // the background chooser moves it, as choosers do
    Sign signs_[2];
};

// The dialog open on the current scene, driven with messages; closed and the scene put back
// after each test.
class SettingsDialogTest : public SharedSceneTest {
protected:
    void TearDown() override;

    // Opens the dialog over the Form as RunModal does, but returns at once. It stays hidden
    // unless a test looks at the screen: hiding a captioned window again costs two seconds
    // under an X server without a window manager, which the platform layer waits for.
    void Open(bool shown = false);
    void Close();

    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    std::string Text(int id) const;
    void Type(int id, const char* text);

    // One click on an up-down's upper or lower arrow.
    void ClickArrow(int upDownId, bool up);
    // A click on a button of the dialog.
    void Click(int buttonId);
    // Picks an entry of a sign's kind list as a person would.
    void ChooseKind(int sign, int index);

    HWND dialog_ = nullptr;

private:
    SceneGuard scene_;
};

// The first file or folder chooser of this process answered as a person would: a file
// chooser gets the name typed into its name box, a folder chooser gets the folder selected,
// then OK. An empty name presses Cancel.
class ChooserDriver {
public:
    explicit ChooserDriver(std::string name);
    ~ChooserDriver();
    ChooserDriver(const ChooserDriver&) = delete;
    ChooserDriver& operator=(const ChooserDriver&) = delete;

    bool Answered() const;
    bool WasFolderChooser() const;
    std::string Caption() const;
    // The picture types a file chooser offered, as listed.
    std::vector<std::string> Types() const;

private:
    static DWORD WINAPI Run(LPVOID self);
    void Answer(HWND chooser);

    std::string name_;
    HANDLE stop_;
    HANDLE thread_;
    mutable CRITICAL_SECTION lock_;
    bool answered_ = false;
    bool folder_ = false;
    bool stuck_ = false;  // it did not go on the answer and was cancelled: a failure at the end
    std::string caption_;
    std::vector<std::string> types_;
};

// Runs steps one per timer tick on this thread, so they run inside whatever modal loop the
// test enters. Once the steps are done an open settings dialog is closed, so a failed step
// cannot leave the test waiting.
class ModalScript {
public:
    explicit ModalScript(std::vector<std::function<void()>> steps);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // How many steps ran.
    size_t Ran() const { return next_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    static ModalScript* current_;
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

// The window's client area as it shows on screen, top row first.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Has(COLORREF colour) const;
};
Capture CaptureClient(HWND window);

// Every pixel of a bitmap, top row first.
Capture BitmapPixels(HBITMAP bitmap);

}  // namespace rolva::test
