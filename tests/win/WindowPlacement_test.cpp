// The settings file beside the executable on the real Form and control panel: each whole value
// is applied in file order, a cut value and everything after it is not, and saving writes the
// places the windows have. Where the executable's folder refuses the settings file and the
// recent list, both go to the per-user folder, are read back from there, and the end of the run
// says so once.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/RecentFiles.h"
#include "app/WindowPlacement.h"
#include "base/ExecutableFiles.h"
#include "base/OwnFiles.h"

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


// "Beside the executable" and "per user" pointed at folders of the test's own; the per-user one
// is not made beforehand, as on a first run.
class OwnFilesTest : public WindowPlacementTest {
protected:
    void SetUp() override
    {
        WindowPlacementTest::SetUp();
        real_ = OwnFileFoldersInUse();
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + "rolva-own-files";
        test::RemoveTree(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
        beside_ = root_ + "\\program";
        CreateDirectoryA(beside_.c_str(), nullptr);
        perUser_ = root_ + "\\user";
        UseOwnFileFolders({beside_, perUser_, "win_tests"});
    }

    void TearDown() override
    {
        UseOwnFileFolders(real_);
        test::RemoveTree(root_);
        LoadRecentFiles();  // the File menu as the real folders have it
        WindowPlacementTest::TearDown();
    }

    std::string Beside(const char* ending) const { return beside_ + "\\win_tests" + ending; }
    std::string PerUser(const char* ending) const { return perUser_ + "\\win_tests" + ending; }

    static void MakeReadOnly(const std::string& path, const std::string& bytes)
    {
        WriteFileBytes(path, bytes);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }

    // Saves both files as the end of a run does, and gives the boxes the notice showed.
    static std::vector<test::DialogAnswerer::Seen> SaveBothAndTell(const Places& places, const std::string& recent)
    {
        MoveWindowsTo(places);
        test::DialogAnswerer answer(IDOK);
        AddRecentFile(recent);
        SaveWindowPlacement();
        ShowOwnFilesNotice(gApp.form);
        ShowOwnFilesNotice(gApp.form);  // at most once a run
        return answer.SeenSoFar();
    }

    std::string root_;
    std::string beside_;
    std::string perUser_;

private:
    OwnFileFolders real_;
};

constexpr Places kSaved{{61, 72, 480, 420, 500, 310}};
const char kScene[] = "C:\\scenes\\bus.rv4";

TEST_F(OwnFilesTest, RefusedBesideTheProgramBothFilesGoPerUserAndTheUserIsToldOnce)
{
    struct Case {
        const char* refusal;
        bool readOnlyFiles;  // else the folder is gone
    };
    for (const Case c : {Case{"read-only files", true}, Case{"no such folder", false}}) {
        SCOPED_TRACE(c.refusal);
        if (c.readOnlyFiles) {
            MakeReadOnly(Beside(".ini"), std::string(24, '\x11'));
            MakeReadOnly(Beside(".recent"), "C:\\old.rv4\r\n");
        } else {
            test::RemoveTree(beside_);
        }
        UseOwnFileFolders({beside_, perUser_, "win_tests"});

        const auto seen = SaveBothAndTell(kSaved, kScene);

        EXPECT_EQ(LittleEndian(kSaved), ReadFileBytes(PerUser(".ini")));
        EXPECT_EQ(std::string(kScene) + "\r\n", ReadFileBytes(PerUser(".recent")));
        if (c.readOnlyFiles) {
            EXPECT_EQ(std::string(24, '\x11'), ReadFileBytes(Beside(".ini"))) << "left as it was";
            EXPECT_EQ("C:\\old.rv4\r\n", ReadFileBytes(Beside(".recent")));
        }
        ASSERT_EQ(1u, seen.size()) << "one box for both files";
        EXPECT_EQ("RolvaVer4", seen[0].caption);
        EXPECT_EQ(gApp.form, seen[0].owner);
        EXPECT_EQ("設定（ウィンドウの位置と最近使ったファイル）をプログラムと同じフォルダーに保存できないため、"
                  "次のフォルダーに保存しました。\r\n\r\n" +
                      perUser_ + "\r\n\r\n次回の起動時は、このフォルダーから読み込みます。",
                  seen[0].text);

        // The next run reads both from there, and says nothing more when they go there again.
        UseOwnFileFolders({beside_, perUser_, "win_tests"});
        MoveWindowsTo(kStart);
        LoadWindowPlacement();
        LoadRecentFiles();
        const Places now = CurrentPlaces();
        EXPECT_EQ(0, std::memcmp(kSaved.values, now.values, sizeof now.values));
        EXPECT_EQ(RecentList{kScene}, RecentFiles());
        EXPECT_TRUE(SaveBothAndTell(kSaved, kScene).empty()) << "the folder in use is no news";

        test::RemoveTree(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
        CreateDirectoryA(beside_.c_str(), nullptr);
    }
}

TEST_F(OwnFilesTest, WrittenInNeitherPlaceTheUserIsToldTheSettingsWereNotSaved)
{
    MakeReadOnly(Beside(".ini"), "");
    CreateDirectoryA(perUser_.c_str(), nullptr);
    MakeReadOnly(PerUser(".ini"), "");

    MoveWindowsTo(kSaved);
    test::DialogAnswerer answer(IDOK);
    SaveWindowPlacement();
    ShowOwnFilesNotice(gApp.form);
    const auto seen = answer.SeenSoFar();

    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("設定（ウィンドウの位置と最近使ったファイル）を保存できませんでした。\r\n\r\n"
              "プログラムと同じフォルダーにも、次のフォルダーにも書き込めません。\r\n\r\n" +
                  perUser_,
              seen[0].text);
}

TEST_F(OwnFilesTest, WritableBesideTheProgramLeavesThePerUserFolderAlone)
{
    const auto seen = SaveBothAndTell(kSaved, kScene);

    EXPECT_EQ(LittleEndian(kSaved), ReadFileBytes(Beside(".ini")));
    EXPECT_EQ(std::string(kScene) + "\r\n", ReadFileBytes(Beside(".recent")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(perUser_.c_str())) << "not even made";
    EXPECT_TRUE(seen.empty());
}

void SetLastWrite(const std::string& path, int day)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    SYSTEMTIME when{2024, 5, 0, static_cast<WORD>(day), 12, 0, 0, 0};
    FILETIME time{};
    SystemTimeToFileTime(&when, &time);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

TEST_F(OwnFilesTest, ReadingTakesTheCopyWrittenLast)
{
    constexpr Places kOther{{90, 80, 500, 430, 520, 330}};
    struct Case {
        const char* what;
        int besideDay;  // 0: no file there
        int perUserDay;
        const Places* read;
        const char* recent;
    };
    const Case cases[] = {
        {"only per user", 0, 3, &kSaved, "C:\\user.rv4"},
        {"per user written later", 2, 3, &kSaved, "C:\\user.rv4"},
        {"beside written later", 4, 3, &kOther, "C:\\beside.rv4"},
        {"written at the same time", 3, 3, &kOther, "C:\\beside.rv4"},
    };
    CreateDirectoryA(perUser_.c_str(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(Beside(".ini").c_str());
        DeleteFileA(Beside(".recent").c_str());
        if (c.besideDay) {
            WriteFileBytes(Beside(".ini"), LittleEndian(kOther));
            WriteFileBytes(Beside(".recent"), "C:\\beside.rv4\r\n");
            SetLastWrite(Beside(".ini"), c.besideDay);
            SetLastWrite(Beside(".recent"), c.besideDay);
        }
        WriteFileBytes(PerUser(".ini"), LittleEndian(kSaved));
        WriteFileBytes(PerUser(".recent"), "C:\\user.rv4\r\n");
        SetLastWrite(PerUser(".ini"), c.perUserDay);
        SetLastWrite(PerUser(".recent"), c.perUserDay);

        MoveWindowsTo(kStart);
        LoadWindowPlacement();
        LoadRecentFiles();

        const Places now = CurrentPlaces();
        EXPECT_EQ(0, std::memcmp(c.read->values, now.values, sizeof now.values));
        EXPECT_EQ(RecentList{c.recent}, RecentFiles());
    }
}

}  // namespace
}  // namespace rolva
