// Scenes the Windows way, on the real windows: files dropped on the Form, 上書き保存, the Ctrl+O
// and Ctrl+S shortcuts through the main loop's translation, and the File menu's recent files.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "app/Commands.h"
#include "app/MenuIds.h"
#include "app/RecentFiles.h"
#include "app/Shortcuts.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "scene/DataFiles.h"
#include "scene/FileCommands.h"
#include "scene/SceneFile.h"

namespace rolva {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

constexpr std::uint8_t kRoll = 0, kLed = 1;

// A drop as the shell makes it: a DROPFILES header and a double-NUL list of ANSI paths in
// global memory, which the receiver gives back with DragFinish. The cursor is at the point (in
// Form client coordinates) when the message is posted, which makes it the message's position;
// the header carries the point as the system gives it to a program stretched to 150 %, in
// physical pixels, which must not decide the sign.
void DropOnForm(const std::vector<std::string>& paths, POINT point)
{
    std::size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = POINT{point.x * 3 / 2, point.y * 3 / 2};
    header->fNC = FALSE;
    header->fWide = FALSE;
    char* out = reinterpret_cast<char*>(header + 1);
    for (const std::string& path : paths) {
        std::memcpy(out, path.c_str(), path.size() + 1);
        out += path.size() + 1;
    }
    GlobalUnlock(memory);
    POINT cursor{};
    GetCursorPos(&cursor);
    POINT screen = point;
    ClientToScreen(gApp.form, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(gApp.form, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    SetCursorPos(cursor.x, cursor.y);
    test::PumpMessages();
}

POINT SignCentre(int sign) { return POINT{SignLeft(sign) + SignWidth(sign) / 2, SignTop(sign) + SignHeight(sign) / 2}; }

// Messages taken the way the main loop takes them, shortcuts included.
void PumpThroughMainLoop()
{
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ProcessLoopMessage(msg);
    }
}

// A key pressed with Ctrl held, sent to the window with the focus through the main loop.
void PressWithControl(HWND focus, UINT key)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE held[256];
    std::memcpy(held, keys, sizeof held);
    held[VK_CONTROL] = 0x80;
    held[VK_LCONTROL] = 0x80;
    SetKeyboardState(held);
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PumpThroughMainLoop();
    SetKeyboardState(keys);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    PumpThroughMainLoop();
}

// The File menu's items as text, top to bottom ("-" for a separator).
std::vector<std::string> FileMenuTexts()
{
    HMENU file = GetSubMenu(GetMenu(gApp.form), 0);
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(file); ++i) {
        char text[512] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(file, i, TRUE, &item);
        texts.push_back(item.fType & MFT_SEPARATOR ? std::string("-") : std::string(text));
    }
    return texts;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A whole Ver3 file: no background, both signs shown, the first at (0, 0) 123 x 57.
std::string Ver3FileBytes()
{
    std::string b;
    auto i16 = [&b](int v) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>((v >> 8) & 0xFF);
    };
    auto i32 = [&](int v) {
        i16(v & 0xFFFF);
        i16((v >> 16) & 0xFFFF);
    };
    i16(0);  // background path, no text
    i16(6000);
    i16(6150);
    i32(0);
    i16(2);
    for (int sign = 0; sign < 2; ++sign) {
        i16(0);  // picture path
        i16(sign * 2310);
        i16(0);
        i16(855);
        i16(1845);
        i32(0);
        for (int k = 0; k < 5; ++k)
            i16(0);
        i32(0);
        i32(0);
        i16(0);
        i16(0);  // corner radius
        i16(0);
        i16(5);  // speed
        i16(0);  // interval
        i32(0);
        i32(0);
    }
    i16(0);
    i16(0);
    return b;
}

class SceneFilesTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        recentBytes_ = ReadFileBytes(RecentFilesPath());
        hadRecentFile_ = GetFileAttributesA(RecentFilesPath().c_str()) != INVALID_FILE_ATTRIBUTES;
        DeleteFileA(RecentFilesPath().c_str());
        LoadRecentFiles();
        for (int sign = 0; sign < kSignCount; ++sign) {
            speedTexts_[sign] = PanelText(kSpeedEditIds[sign]);
            gDocument.signs[sign].kind = kRoll;
            ShowSign(sign, 1);
        }
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-scene-files-test";
        test::RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetFocus(gApp.form);
    }

    void TearDown() override
    {
        for (int sign = 0; sign < kSignCount; ++sign) {
            ResetSign(sign);
            SetPanelText(kSpeedEditIds[sign], speedTexts_[sign]);
        }
        EnableWindow(gApp.form, TRUE);
        gApp.panelRecord.Enable(1);
        test::PumpMessages();
        test::RemoveTree(folder_);
        DeleteFileA(RecentFilesPath().c_str());
        if (hadRecentFile_)
            WriteFileBytes(RecentFilesPath(), recentBytes_);
        LoadRecentFiles();
    }

    std::string PathOf(const char* name) const { return folder_ + "\\" + name; }

    // Files in the test's folder: a save leaves no half-written file beside its target.
    int CountFiles() const
    {
        int count = 0;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        return count;
    }

    // The scene as it stands, saved by the writer Save As uses.
    std::string SaveScene(const char* name) const
    {
        const std::string path = PathOf(name);
        EXPECT_TRUE(WriteVer4File(path));
        return path;
    }

    static void StartSlowRoll(int sign)
    {
        SetPanelText(kSpeedEditIds[sign], "100");
        SetPanelText(kNumberDisplayIds[sign], "5");
        StartSign(sign);
    }

    std::string folder_;

private:
    test::SceneGuard scene_;
    std::string recentBytes_;
    bool hadRecentFile_ = false;
    std::string speedTexts_[kSignCount];
};

TEST_F(SceneFilesTest, DroppedDataFileOpensAsOpenDoesAndOnlyTheFirstCounts)
{
    SetSignLeft(0, 15);
    const std::string first = SaveScene("first.rv4");
    SetSignLeft(0, 40);
    const std::string second = SaveScene("second.rv4");
    SetSignLeft(0, 60);

    test::DialogAnswerer answer(IDOK);
    DropOnForm({PathOf("notes.txt"), first, second}, POINT{5, 300});
    EXPECT_EQ(15, SignLeft(0)) << "the first data file of the drop opened";
    EXPECT_EQ(first, SceneFilePath());
    ASSERT_EQ(1u, RecentFiles().size());
    EXPECT_EQ(first, RecentFiles()[0]);

    DropOnForm({second}, SignCentre(1));  // a data file opens wherever it lands
    EXPECT_EQ(40, SignLeft(0));
    EXPECT_TRUE(answer.SeenSoFar().empty()) << "the rest of a drop is passed over in silence";
    EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
}

TEST_F(SceneFilesTest, DroppedPictureAndFolderReachTheSignUnderThePoint)
{
    const std::string picture = test::FixturePath("picture.bmp");
    const std::string frames = PathOf("frames");
    CreateDirectoryA(frames.c_str(), nullptr);
    CopyFileA(picture.c_str(), (frames + "\\01.bmp").c_str(), FALSE);
    gDocument.signs[1].kind = kLed;
    gDocument.signs[0].picturePath = "before.bmp";
    gDocument.signs[1].picturePath = "before";

    // What a sign does not take, and a drop beside the signs, change nothing.
    DropOnForm({frames}, SignCentre(0));
    DropOnForm({picture}, SignCentre(1));
    DropOnForm({picture, frames}, POINT{5, 300});
    EXPECT_EQ("before.bmp", gDocument.signs[0].picturePath);
    EXPECT_EQ("before", gDocument.signs[1].picturePath);

    SetPanelText(kNumberDisplayIds[0], "7");
    DropOnForm({frames, picture}, SignCentre(0));
    EXPECT_EQ(picture, gDocument.signs[0].picturePath);
    EXPECT_TRUE(gDocument.signs[0].pictureBitmap);
    EXPECT_EQ("7", PanelText(kNumberDisplayIds[0])) << "a new strip leaves the number, as 参照... does";

    SetPanelText(kNumberDisplayIds[1], "7");
    DropOnForm({picture, frames}, SignCentre(1));
    EXPECT_EQ(frames, gDocument.signs[1].picturePath);
    EXPECT_EQ("0", PanelText(kNumberDisplayIds[1])) << "a new folder starts on its first picture";
    EXPECT_EQ(picture, gDocument.signs[0].picturePath) << "the other sign keeps its strip";
}

TEST_F(SceneFilesTest, DropWhileASignRollsOrUnderAModalWindowDoesNothing)
{
    SetSignLeft(0, 15);
    const std::string scene = SaveScene("scene.rv4");
    SetSignLeft(0, 60);
    const std::string picture = test::FixturePath("picture.bmp");
    gDocument.signs[0].picturePath = "before.bmp";

    StartSlowRoll(1);
    DropOnForm({scene}, POINT{5, 300});
    DropOnForm({picture}, SignCentre(0));
    EXPECT_TRUE(IsRolling(1));
    ResetSign(1);

    EnableWindow(gApp.form, FALSE);  // as RunModal leaves it
    DropOnForm({scene}, POINT{5, 300});
    EnableWindow(gApp.form, TRUE);

    EXPECT_EQ(60, SignLeft(0));
    EXPECT_EQ("before.bmp", gDocument.signs[0].picturePath);
    EXPECT_TRUE(RecentFiles().empty());
}

TEST_F(SceneFilesTest, SaveWritesTheLastFileWithTheBytesSaveAsWrites)
{
    SetSignLeft(0, 15);
    const std::string scene = SaveScene("scene.rv4");
    OpenDataFile(scene);
    ASSERT_EQ(scene, SceneFilePath());

    SetSignLeft(0, 33);
    SetSignTop(1, 44);
    {
        test::DialogAnswerer answer(IDCANCEL);
        RunCommand(kCommandSave);
        EXPECT_TRUE(answer.SeenSoFar().empty()) << "Save asks nothing for a Ver4 scene";
    }
    const std::string saved = ReadFileBytes(scene);
    const std::string other = PathOf("other.rv4");
    {
        test::ChooserDriver chooser(other);
        RunCommand(kCommandSaveAs);
        EXPECT_EQ("名前をつけて保存", chooser.Caption());
    }
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved, ReadFileBytes(other));
    EXPECT_EQ(other, SceneFilePath()) << "the scene now belongs to the file saved last";

    SetSignLeft(0, 50);
    RunCommand(kCommandSave);
    EXPECT_EQ(saved, ReadFileBytes(scene)) << "the first file is left alone";
    EXPECT_NE(saved, ReadFileBytes(other));
    EXPECT_EQ(2, CountFiles());
}

TEST_F(SceneFilesTest, SaveAfterAnImportAsksForANameAndLeavesTheOldFile)
{
    const std::string old = PathOf("old.rv3");
    WriteFileBytes(old, Ver3FileBytes());
    OpenDataFile(old);
    ASSERT_EQ(old, SceneFilePath()) << "the Ver3 file was read whole";
    EXPECT_EQ(old, RecentFiles().at(0));
    ASSERT_TRUE(test::WaitUntilIdle()) << "the import starts both signs";

    test::DialogAnswerer answer(IDCANCEL);
    RunCommand(kCommandSave);
    const auto seen = answer.SeenSoFar();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("名前をつけて保存", seen[0].caption);
    EXPECT_EQ(Ver3FileBytes(), ReadFileBytes(old));
    EXPECT_EQ(1, CountFiles());
}

TEST_F(SceneFilesTest, CtrlOAndCtrlSWorkFromTheFormAndThePanelButNotUnderAModalWindow)
{
    HWND panelKey = GetDlgItem(gApp.controlPanel, kOnKeyIds[0]);
    for (HWND focus : {gApp.form, panelKey}) {
        SCOPED_TRACE(focus == gApp.form ? "Form" : "control panel");
        SetFocus(focus);
        ASSERT_EQ(focus, GetFocus());
        {
            test::DialogAnswerer answer(IDCANCEL);
            PressWithControl(focus, 'O');
            const auto seen = answer.SeenSoFar();
            ASSERT_EQ(1u, seen.size());
            EXPECT_EQ("ファイルを開く", seen[0].caption);
        }
        const std::string scene = SaveScene("keys.rv4");
        OpenDataFile(scene);
        DeleteFileA(scene.c_str());
        SetFocus(focus);
        {
            test::DialogAnswerer answer(IDCANCEL);
            PressWithControl(focus, 'S');
            EXPECT_TRUE(answer.SeenSoFar().empty());
        }
        EXPECT_FALSE(ReadFileBytes(scene).empty()) << "Ctrl+S saved the scene's file again";
        {
            // The letters alone are no shortcut.
            test::DialogAnswerer answer(IDCANCEL);
            PostMessageA(focus, WM_KEYDOWN, 'O', 1);
            PumpThroughMainLoop();
            EXPECT_TRUE(answer.SeenSoFar().empty());
        }
    }

    EnableWindow(gApp.form, FALSE);  // as RunModal leaves the Form under a modal window
    const std::string scene = PathOf("keys.rv4");
    DeleteFileA(scene.c_str());
    for (HWND focus : {gApp.form, panelKey}) {
        test::DialogAnswerer answer(IDCANCEL);
        PressWithControl(focus, 'O');
        PressWithControl(focus, 'S');
        EXPECT_TRUE(answer.SeenSoFar().empty());
    }
    EnableWindow(gApp.form, TRUE);
    EXPECT_TRUE(ReadFileBytes(scene).empty());
}

TEST_F(SceneFilesTest, RecentFilesHoldFourMoveAReopenedOneUpAndSurviveARestart)
{
    SetSignLeft(0, 77);
    std::vector<std::string> files;
    for (const char* name : {"1.rv4", "2.rv4", "3.rv4", "4.rv4", "5.rv4"})
        files.push_back(SaveScene(name));
    for (const std::string& file : files)
        OpenDataFile(file);
    EXPECT_EQ((RecentList{files[4], files[3], files[2], files[1]}), RecentFiles());

    // Chosen from the menu, the third entry opens and goes to the top.
    SetSignLeft(0, 66);
    RunCommand(kCommandRecentFirst + 2);
    EXPECT_EQ(77, SignLeft(0)) << "the file opened";
    const RecentList expected{files[2], files[4], files[3], files[1]};
    EXPECT_EQ(expected, RecentFiles());

    const std::vector<std::string> menu = FileMenuTexts();
    ASSERT_GE(menu.size(), 6u);
    EXPECT_EQ("終了(&X)", menu.back());
    EXPECT_EQ("-", menu[menu.size() - 2]);
    for (int i = 0; i < 4; ++i) {
        const std::string& text = menu[menu.size() - 6 + i];
        EXPECT_EQ("&" + std::to_string(i + 1) + " ", text.substr(0, 3));
        EXPECT_TRUE(EndsWith(text, "\\" + std::string(1, "3542"[i]) + ".rv4")) << text;
    }
    EXPECT_EQ("-", menu[menu.size() - 7]);

    EXPECT_EQ(files[2] + "\r\n" + files[4] + "\r\n" + files[3] + "\r\n" + files[1] + "\r\n",
              ReadFileBytes(RecentFilesPath()));
    // A restart reads the list back from its file.
    WriteFileBytes(RecentFilesPath(), files[0] + "\r\n" + files[1] + "\r\n");
    LoadRecentFiles();
    EXPECT_EQ((RecentList{files[0], files[1]}), RecentFiles());
    const std::vector<std::string> reread = FileMenuTexts();
    EXPECT_EQ(menu.size() - 2, reread.size());
    EXPECT_TRUE(EndsWith(reread[reread.size() - 4], "\\1.rv4"));
}

TEST_F(SceneFilesTest, MissingRecentFileLeavesTheListWithAMessage)
{
    const std::string kept = SaveScene("kept.rv4");
    const std::string gone = SaveScene("gone.rv4");
    OpenDataFile(kept);
    OpenDataFile(gone);
    DeleteFileA(gone.c_str());

    StartSlowRoll(0);
    {
        test::DialogAnswerer answer(IDOK);
        RunCommand(kCommandRecentFirst);
        EXPECT_TRUE(answer.SeenSoFar().empty()) << "refused while a sign rolls";
    }
    ResetSign(0);

    test::DialogAnswerer answer(IDOK);
    RunCommand(kCommandRecentFirst);
    const auto seen = answer.SeenSoFar();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("読み込みエラー", seen[0].caption);
    EXPECT_NE(std::string::npos, seen[0].text.find("ファイルが見つかりません")) << seen[0].text;
    EXPECT_NE(std::string::npos, seen[0].text.find(gone)) << seen[0].text;
    EXPECT_EQ(RecentList{kept}, RecentFiles());
    EXPECT_EQ(kept + "\r\n", ReadFileBytes(RecentFilesPath()));
    EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
}

}  // namespace
}  // namespace rolva
