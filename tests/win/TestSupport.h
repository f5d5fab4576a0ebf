// Helpers shared by the tests that drive the real windows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/core/Progress.h"

namespace rolva::test {

// Dispatches every pending message of this thread, a few rounds, so posted work settles.
void PumpMessages(int rounds = 3);

// Carries out this thread's messages (a roll thread's window calls among them) until done()
// holds; false once limitMs has passed, so a fault fails the test instead of hanging it.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 10000);

// The same for a thread that has no windows to serve, such as one answering dialogs.
bool WaitUntil(const std::function<bool()>& done, DWORD limitMs = 5000);

// Pumps until neither sign rolls; false when one still rolls after limitMs.
bool WaitUntilIdle(DWORD limitMs = 10000);

// A sign frame's window region: whether it holds a point of the frame, and its bounding box.
bool SignRegionContains(int sign, int x, int y);
RECT SignRegionBox(int sign);

// A press and release on an up-down's upper or lower arrow, as the mouse gives it.
void ClickArrow(HWND upDown, bool up);

// Whether box stands inside screen with equal margins left and right and top and bottom; where
// the free room is odd, the extra pixel is on the right or at the bottom.
testing::AssertionResult CentredOn(const RECT& screen, const RECT& box);

// The panel's outer place right after start-up (centred: no settings file), before any test ran.
RECT StartupPanelPlace();
void RememberStartupPlaces();

// A file of tests/fixtures (the folder comes from --fixtures=).
std::string FixturePath(const char* name);
void SetFixtureFolder(const std::string& folder);

// GDI objects this process holds now.
DWORD GdiObjectCount();

// Kernel handles this process holds now; always more than zero in a running process.
DWORD HandleCount();

// What a leak check allows beyond the count before a loop: caches the system fills on first use
// (a font, a brush of the theme, a wait event) may stay. A leak of one per iteration is far above it.
constexpr DWORD kGdiSlack = 2;
constexpr DWORD kHandleSlack = 2;

// The settings file the program's code uses when run inside this test program: named after
// the running exe (win_tests.exe keeps win_tests.ini), in the exe's folder.
std::string SettingsFileOfThisProgram();

// Whole-file bytes, written (replacing any file) and read back; empty when it cannot be read.
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

// The same for a folder named by a wide path (the \\?\ form for one past MAX_PATH).
void RemoveTreeWide(const std::wstring& folder);

// A 32-bit BMP of width x height pixels all of one colour, replacing any file.
void WriteSolidBmp(const std::string& path, int width, int height, COLORREF colour);
// The same with every column x of one colour, columnColour(x).
void WriteColumnsBmp(const std::string& path, int width, int height, const std::function<COLORREF(int)>& columnColour);

// Deletes a folder with everything in it, read-only and hidden files included.
void RemoveTree(const std::string& folder);

// An empty folder of that name in the temporary folder, whatever was there before; its path.
std::string FreshTempFolder(const std::string& name);

// The files directly in a folder, hidden ones included, by name with their bytes: equal before
// and after means the folder is as it was.
std::map<std::string, std::string> FolderContents(const std::string& folder);
// Whether the folder holds exactly those files; when not, the names that differ (the bytes of a
// picture would drown the message).
testing::AssertionResult FolderHolds(const std::string& folder, const std::map<std::string, std::string>& expected);

// A progress that keeps every report it hears and says stop at the report numbered stopAt
// (counted from 0), or never.
class ProgressLog final : public Progress {
public:
    struct Report {
        std::int64_t done;
        std::int64_t total;
    };
    explicit ProgressLog(std::size_t stopAt = SIZE_MAX) : stopAt_(stopAt) {}
    bool Continue(std::int64_t done, std::int64_t total) override
    {
        reports_.push_back({done, total});
        return reports_.size() <= stopAt_;
    }
    const std::vector<Report>& Reports() const { return reports_; }

private:
    std::size_t stopAt_;
    std::vector<Report> reports_;
};

// A visible standard dialog (class #32770) of this process, or NULL.
HWND FindOwnDialog();

// The class name and the window text of a window.
std::string ClassOf(HWND window);
std::string TextOf(HWND window);

// Pixel of the window as it shows on screen, in its client coordinates.
COLORREF ScreenPixel(HWND window, int x, int y);

// The colour of a bitmap pixel (bitmap coordinates, top-down).
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace rolva::test

namespace rolva::test {

// Answers the message boxes and common dialogs this process shows, from a thread of its own,
// while the test thread sits in the modal loop. Records what each box said. A box that does not
// go on the chosen button is closed with Cancel or a close request, and the test fails.
class DialogAnswerer {
public:
    // The button pressed in every box: IDOK, IDYES, IDNO or IDCANCEL.
    explicit DialogAnswerer(int button);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    struct Seen {
        std::string caption;
        std::string text;  // the message of a message box, empty for other dialogs
        HWND owner = nullptr;  // the window it was shown over
    };
    // The dialogs answered so far.
    std::vector<Seen> SeenSoFar() const;

private:
    static DWORD WINAPI Run(LPVOID self);
    // Posts the button, then closes a box that stays for lack of it; false when it had to.
    bool Answer(HWND dialog) const;

    int button_;
    bool stuck_ = false;  // a box did not go on the button: reported as a failure at the end
    HANDLE stop_;
    HANDLE thread_;
    mutable CRITICAL_SECTION lock_;
    std::vector<Seen> seen_;
};

}  // namespace rolva::test
