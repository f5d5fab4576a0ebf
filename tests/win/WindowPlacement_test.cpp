// The settings file beside the executable on the real Form and control panel: each whole value
// is applied in file order, a cut value and everything after it is not, and saving writes the
// places the windows have.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/WindowPlacement.h"
#include "base/ExecutableFiles.h"

namespace rolva {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

// Form left, top, width, height, then the panel's left and top.
struct Places {
    int values[6];
};

Places CurrentPlaces()
{
    return Places{{gApp.formRecord.Left(), gApp.formRecord.Top(), gApp.formRecord.Width(),
                   gApp.formRecord.Height(), gApp.panelRecord.Left(), gApp.panelRecord.Top()}};
}

void MoveWindowsTo(const Places& p)
{
    SetWindowPos(gApp.form, nullptr, p.values[0], p.values[1], p.values[2], p.values[3], SWP_NOZORDER);
    SetWindowPos(gApp.controlPanel, nullptr, p.values[4], p.values[5], 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

std::string LittleEndian(const Places& p)
{
    std::string bytes;
    for (int v : p.values) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// Puts both windows back and takes the settings file away again.
class WindowPlacementTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = CurrentPlaces();
        path_ = test::SettingsFileOfThisProgram();
        DeleteFileA(path_.c_str());
    }

    void TearDown() override
    {
        MoveWindowsTo(saved_);
        DeleteFileA(path_.c_str());
        test::PumpMessages();
    }

    // Where each row starts; every value in the file differs from it.
    static constexpr Places kStart{{20, 30, 450, 450, 380, 280}};
    static constexpr Places kStored{{33, 44, 470, 410, 1500, -40}};  // the panel off the screen

    std::string path_;

private:
    Places saved_{};
};

TEST_F(WindowPlacementTest, ExecutableNameWithIniEnding)
{
    EXPECT_EQ(path_, FileBesideExecutable(".ini"));
    EXPECT_EQ(path_.substr(0, path_.size() - 3) + "chm", FileBesideExecutable(".chm"));
}

TEST_F(WindowPlacementTest, LoadAppliesEveryWholeValueAndNothingAfterACut)
{
    struct Case {
        size_t fileBytes;
        int valuesApplied;
    };
    const Case cases[] = {
        {0, 0},   // an empty file changes nothing
        {10, 2},  // the third value is cut: not applied as a zero-filled number
        {12, 3},  // the Form's place and width only
        {24, 6},
        {30, 6},  // bytes after the sixth value are ignored
    };
    const std::string whole = LittleEndian(kStored) + std::string("\x7F\x7F\x7F\x7F\x7F\x7F", 6);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileBytes);
        MoveWindowsTo(kStart);
        WriteFileBytes(path_, whole.substr(0, c.fileBytes));

        LoadWindowPlacement();

        const Places now = CurrentPlaces();
        const char* const names[] = {"form left", "form top", "form width", "form height", "panel left", "panel top"};
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(k < c.valuesApplied ? kStored.values[k] : kStart.values[k], now.values[k]) << names[k];
    }
}

TEST_F(WindowPlacementTest, NoFileLeavesThePlaces)
{
    MoveWindowsTo(kStart);
    LoadWindowPlacement();
    const Places now = CurrentPlaces();
    EXPECT_EQ(0, std::memcmp(kStart.values, now.values, sizeof now.values));
}

TEST_F(WindowPlacementTest, SaveWritesTheCurrentPlacesOverAnOlderFile)
{
    WriteFileBytes(path_, std::string(40, '\x55'));
    MoveWindowsTo(Places{{61, 72, 480, 420, 500, 310}});

    SaveWindowPlacement();

    RECT form{}, panel{};
    GetWindowRect(gApp.form, &form);
    GetWindowRect(gApp.controlPanel, &panel);
    const Places expected{{form.left, form.top, form.right - form.left, form.bottom - form.top, panel.left, panel.top}};
    EXPECT_EQ(61, expected.values[0]) << "the windows stand where they were put";
    EXPECT_EQ(LittleEndian(expected), ReadFileBytes(path_));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path_ + ".rolva-new").c_str()));

    // What was saved comes back.
    MoveWindowsTo(kStart);
    LoadWindowPlacement();
    const Places now = CurrentPlaces();
    EXPECT_EQ(0, std::memcmp(expected.values, now.values, sizeof now.values));
}

TEST_F(WindowPlacementTest, SaveWhileTheFormIsMinimisedWritesTheRestoredPlaces)
{
    const Places restored{{61, 72, 480, 420, 500, 310}};
    MoveWindowsTo(restored);
    ShowWindow(gApp.form, SW_MINIMIZE);
    test::PumpMessages();
    ASSERT_TRUE(IsIconic(gApp.form));

    SaveWindowPlacement();
    ShowWindow(gApp.form, SW_RESTORE);
    test::PumpMessages();

    EXPECT_EQ(LittleEndian(restored), ReadFileBytes(path_)) << "not the minimised place and size";
}

RECT WorkAreaNear(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

RECT OuterRect(HWND window)
{
    RECT rc{};
    GetWindowRect(window, &rc);
    return rc;
}

TEST_F(WindowPlacementTest, KeepOnScreenBringsBackOnlyAWindowOnNoMonitor)
{
    MoveWindowsTo(Places{{5000, 4000, 450, 450, -3000, 9000}});
    KeepWindowsOnScreen();
    const RECT work = WorkAreaNear(gApp.form);
    const RECT form = OuterRect(gApp.form);
    EXPECT_EQ(work.right, form.right) << "moved left just onto the screen";
    EXPECT_EQ(work.bottom, form.bottom);
    EXPECT_EQ(450, form.right - form.left) << "the size stays";
    EXPECT_EQ(450, form.bottom - form.top);
    const RECT panel = OuterRect(gApp.controlPanel);
    EXPECT_EQ(work.left, panel.left);
    EXPECT_EQ(work.bottom, panel.bottom);

    // Partly on the screen: left where it was put.
    const Places partly{{-100, -10, 450, 450, work.right - 50, 300}};
    MoveWindowsTo(partly);
    KeepWindowsOnScreen();
    const Places now = CurrentPlaces();
    EXPECT_EQ(0, std::memcmp(partly.values, now.values, sizeof now.values));
}

}  // namespace
}  // namespace rolva
