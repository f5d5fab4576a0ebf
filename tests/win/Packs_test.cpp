// Scene packs on the real windows: the sample scene packed with パックで保存, its own folder
// renamed away, and the pack opened by 開く, a drop on the Form and the path the command line
// gives (OpenDataFile), each showing the same Form and signs; the same pack reusing its folder;
// bad packs refused with one message, nothing left outside, the scene on screen kept.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "SaveChooserDriver.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "app/RecentFiles.h"
#include "base/WindowRegistry.h"
#include "base/FileStreams.h"
#include "base/OwnFiles.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "document/core/LiveLookBlock.h"
#include "pack/PackSave.h"
#include "panel/SignRequests.h"
#include "scene/DocumentApply.h"
#include "scene/DataFiles.h"
#include "scene/FileCommands.h"
#include "scene/SceneFile.h"
#include "tests/core/PackTestZips.h"

namespace rolva {
namespace {

using test::MakeZip;
using test::ReadFileBytes;
using test::WriteFileBytes;

// The Form's client area and both sign frames, read off the screen every few pixels.
struct Look {
    std::vector<COLORREF> form;
    std::vector<COLORREF> signs[kSignCount];
    bool operator==(const Look& other) const
    {
        return form == other.form && signs[0] == other.signs[0] && signs[1] == other.signs[1];
    }
};

std::vector<COLORREF> Pixels(HWND window, int step)
{
    RECT client{};
    GetClientRect(window, &client);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; y += step) {
        for (int x = 0; x < client.right; x += step)
            pixels.push_back(test::ScreenPixel(window, x, y));
    }
    return pixels;
}

Look TakeLook()
{
    // The Form above the panel, as a message box's end may leave either on top; and a message box
    // just closed may still be on the screen until the windows under it repaint.
    SetWindowPos(gApp.form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (int round = 0; round < 3; ++round) {
        RedrawWindow(gApp.form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        test::PumpMessages();
        Sleep(50);
    }
    Look look;
    look.form = Pixels(gApp.form, 16);
    for (int sign = 0; sign < kSignCount; ++sign)
        look.signs[sign] = Pixels(SignFrameHandle(sign), 3);
    return look;
}

// A drop as the shell makes it, on the middle of the Form.
void DropOnForm(const std::string& path)
{
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(header + 1), path.c_str(), path.size() + 1);
    GlobalUnlock(memory);
    PostMessageA(gApp.form, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    test::PumpMessages();
}

int SubfolderCount(const std::string& folder)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

class PacksTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        real_ = OwnFileFoldersInUse();
        root_ = test::FreshTempFolder("rolva-packs-test");
        CreateDirectoryA((root_ + "\\beside").c_str(), nullptr);
        UseOwnFileFolders({root_ + "\\beside", root_ + "\\user", "win_tests"});
        LoadRecentFiles();
        scene_ = root_ + "\\scene";
        CreateDirectoryA(scene_.c_str(), nullptr);
        CreateDirectoryA((scene_ + "\\led").c_str(), nullptr);
        const std::string samples = test::FixturePath("..\\..\\samples");
        for (const char* name : {"demo.rv4", "bus.jpg", "strip.bmp", "led\\01.bmp", "led\\02.bmp", "led\\03.bmp",
                                 "led\\04.bmp", "led\\05.bmp", "led\\06.bmp", "led\\07.bmp", "led\\08.bmp"})
            ASSERT_TRUE(CopyFileA((samples + "\\" + name).c_str(), (scene_ + "\\" + name).c_str(), FALSE)) << name;
        pack_ = root_ + "\\demo.rvp";
        packs_ = root_ + "\\user\\Packs";
    }

    void TearDown() override
    {
        EnableWindow(gApp.form, TRUE);
        gApp.panelRecord.Enable(1);
        test::PumpMessages();
        UseOwnFileFolders(real_);
        LoadRecentFiles();
        test::RemoveTree(root_);
    }

    // Both signs asked for frame 5, as the keypad's 5 and ON do; then back to frame 0.
    Look RollToFrameFive()
    {
        for (int sign = 0; sign < kSignCount; ++sign) {
            SetNumberDisplay(sign, "5");
            StartSign(sign);
        }
        EXPECT_TRUE(test::WaitUntilIdle(30000));
        const Look look = TakeLook();
        for (int sign = 0; sign < kSignCount; ++sign)
            ResetSign(sign);
        test::PumpMessages();
        return look;
    }

    // The sample scene on screen, and the pack of it written by the command.
    Look OpenSampleAndPackIt()
    {
        OpenDataFile(scene_ + "\\demo.rv4");
        EXPECT_TRUE(test::WaitUntilIdle());
        const Look look = TakeLook();
        frameFive_ = RollToFrameFive();
        test::SaveChooserDriver driver(pack_, IDYES);
        SavePackCommand();
        EXPECT_TRUE(driver.Typed());
        EXPECT_TRUE(driver.Boxes().empty()) << driver.Boxes().front();
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pack_.c_str()));
        return look;
    }

    // A scene that shows nothing of the sample and belongs to no file.
    void BlankTheScene()
    {
        gDocument.backgroundPath.clear();
        ReloadBackground();
        for (int sign = 0; sign < kSignCount; ++sign)
            ClearSignPicture(sign);
        NoteSceneRead("", FileReadOutcome::Partly);
        test::PumpMessages();
    }

    OwnFileFolders real_;
    Look frameFive_;
    std::string root_;
    std::string scene_;
    std::string pack_;
    std::string packs_;
};

TEST_F(PacksTest, ThePackedSampleOpensTheSameByEveryWayOnceItsFolderIsGone)
{
    const Look before = OpenSampleAndPackIt();
    ASSERT_TRUE(MoveFileA(scene_.c_str(), (root_ + "\\away").c_str()));

    struct Way {
        const char* name;
        void (*open)(const std::string& pack);
    } const ways[] = {
        {"the command line's path", [](const std::string& pack) { OpenDataFile(pack); }},
        {"a drop on the Form", [](const std::string& pack) { DropOnForm(pack); }},
        {"開く", [](const std::string& pack) {
             test::SaveChooserDriver driver(pack, IDOK);
             OpenCommand();
             EXPECT_TRUE(driver.Typed());
         }},
    };
    for (const Way& way : ways) {
        BlankTheScene();
        ASSERT_FALSE(before == TakeLook()) << way.name;
        way.open(pack_);
        ASSERT_TRUE(test::WaitUntilIdle());
        EXPECT_EQ(pack_, SceneFilePath()) << way.name;
        EXPECT_TRUE(StartsWith(gDocument.backgroundPath, packs_)) << gDocument.backgroundPath;
        EXPECT_TRUE(StartsWith(gDocument.signs[1].picturePath, packs_)) << gDocument.signs[1].picturePath;
        EXPECT_TRUE(before == TakeLook()) << way.name;
        // One folder for the one pack, whichever way opened it.
        EXPECT_EQ(1, SubfolderCount(packs_)) << way.name;
    }
    EXPECT_EQ(pack_, RecentFiles().front());

    // Rolled to a frame, and the LED sign switched, the packed pictures show what the sample's did.
    EXPECT_TRUE(frameFive_ == RollToFrameFive());
}

// A rename refused twice, as while a scanner reads a file just unpacked, then let through.
int gRefusedMoves = 0;
BOOL WINAPI MoveRefusedTwice(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    const std::wstring source = from;
    const bool unpacked = source.size() > 5 && source.compare(source.size() - 5, 5, L".part") == 0;
    if (unpacked && gRefusedMoves < 2) {
        ++gRefusedMoves;
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return MoveFileExW(from, to, flags);
}

TEST_F(PacksTest, TheUnpackedFolderGetsItsNameWhileAScannerHoldsItAMoment)
{
    OpenSampleAndPackIt();
    BlankTheScene();
    const FilePlacingCalls real = gFilePlacing;
    gFilePlacing.move = MoveRefusedTwice;
    gRefusedMoves = 0;
    test::DialogAnswerer answerer(IDOK);
    OpenDataFile(pack_);
    gFilePlacing = real;
    EXPECT_TRUE(answerer.SeenSoFar().empty()) << answerer.SeenSoFar().front().text;
    EXPECT_EQ(2, gRefusedMoves);
    EXPECT_EQ(pack_, SceneFilePath());
    EXPECT_EQ(1, SubfolderCount(packs_));
}

// Part folders another run left: one whose run ended (no lock) goes at the next open; one whose
// lock is still held (its run is unpacking) stays, and the pack gets a folder of its own.
TEST_F(PacksTest, OnlyAbandonedPartFoldersAreRemoved)
{
    OpenSampleAndPackIt();
    CreateDirectoryA((root_ + "\\user").c_str(), nullptr);
    CreateDirectoryA(packs_.c_str(), nullptr);
    const std::string abandoned = packs_ + "\\1-0.77-1.part";
    const std::string live = packs_ + "\\1-0.88-2.part";
    for (const std::string& part : {abandoned, live}) {
        ASSERT_TRUE(CreateDirectoryA(part.c_str(), nullptr));
        WriteFileBytes(part + "\\half.bmp", "x");
    }
    const HANDLE lock = CreateFileA((live + ".lock").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);

    OpenDataFile(pack_);
    EXPECT_EQ(pack_, SceneFilePath());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(abandoned.c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((live + "\\half.bmp").c_str()));
    EXPECT_EQ(3, SubfolderCount(packs_)) << "the pack's folder, the live part and its lock";
    CloseHandle(lock);
}

// A folder's last write, days ago.
void SetLastUsed(const std::string& folder, int daysAgo)
{
    const HANDLE handle = CreateFileA(folder.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time{};
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= static_cast<ULONGLONG>(daysAgo) * 24 * 60 * 60 * 10000000ull;
    const FILETIME then{time.LowPart, time.HighPart};
    EXPECT_TRUE(SetFileTime(handle, nullptr, nullptr, &then));
    CloseHandle(handle);
}

bool UsedWithinADay(const std::string& folder)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(folder.c_str(), GetFileExInfoStandard, &data))
        return false;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG nowTicks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const ULONGLONG used = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime;
    return nowTicks - used < 24ull * 60 * 60 * 10000000ull;
}

// Folders of packs not opened for 30 days go at the next open; a recent one stays, and the one
// being opened stays however old, and counts as used from then.
TEST_F(PacksTest, PackFoldersUnusedForAMonthAreRemoved)
{
    OpenSampleAndPackIt();
    OpenDataFile(pack_);
    ASSERT_EQ(1, SubfolderCount(packs_));
    std::string own;
    {
        WIN32_FIND_DATAA found{};
        const HANDLE search = FindFirstFileA((packs_ + "\\*-*").c_str(), &found);
        ASSERT_NE(INVALID_HANDLE_VALUE, search);
        own = packs_ + "\\" + found.cFileName;
        FindClose(search);
    }
    const std::string old = packs_ + "\\100-00000001";
    const std::string recent = packs_ + "\\100-00000002";
    for (const std::string& folder : {old, recent}) {
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        WriteFileBytes(folder + "\\a.bmp", "x");
    }
    SetLastUsed(old, 31);
    SetLastUsed(recent, 29);
    SetLastUsed(own, 40);

    OpenDataFile(pack_);
    EXPECT_EQ(pack_, SceneFilePath());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(old.c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((recent + "\\a.bmp").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(own.c_str()));
    EXPECT_TRUE(UsedWithinADay(own));
}

TEST_F(PacksTest, AChangedPackGetsAFolderOfItsOwnAndSaveAsksForAPlace)
{
    OpenSampleAndPackIt();
    OpenDataFile(pack_);
    EXPECT_EQ(1, SubfolderCount(packs_));
    WriteFileBytes(pack_, ReadFileBytes(pack_) + "changed");
    OpenDataFile(pack_);
    EXPECT_EQ(pack_, SceneFilePath());
    EXPECT_EQ(2, SubfolderCount(packs_));

    // 上書き保存 never writes into the unpacked folder: it asks where.
    const std::string saved = root_ + "\\mine.rv4";
    {
        test::SaveChooserDriver driver(saved, IDYES);
        SaveCommand();
        EXPECT_TRUE(driver.Typed());
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(saved.c_str()));
    EXPECT_EQ(saved, SceneFilePath());
}

TEST_F(PacksTest, MissingPicturesAreNamedAndThePersonChooses)
{
    ASSERT_TRUE(DeleteFileA((scene_ + "\\strip.bmp").c_str()));
    OpenDataFile(scene_ + "\\demo.rv4");
    {
        test::SaveChooserDriver driver(pack_, IDNO);
        SavePackCommand();
        ASSERT_EQ(1u, driver.Boxes().size());
        EXPECT_NE(std::string::npos, driver.Boxes().front().find("strip.bmp")) << driver.Boxes().front();
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pack_.c_str()));
    {
        test::SaveChooserDriver driver(pack_, IDYES);
        SavePackCommand();
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pack_.c_str()));
}

// A picture whose name has no UTF-8 form (a lead byte with no second byte after it): the pack
// could not name it, so nothing is written and the message names the file.
TEST_F(PacksTest, APictureNameWithoutUtf8FormStopsTheSave)
{
    OpenDataFile(scene_ + "\\demo.rv4");
    const std::string name = "a\x81.bmp";
    ASSERT_TRUE(CopyFileA((scene_ + "\\bus.jpg").c_str(), (scene_ + "\\" + name).c_str(), FALSE));
    gDocument.backgroundPath = scene_ + "\\" + name;
    {
        test::SaveChooserDriver driver(pack_, IDOK);
        SavePackCommand();
        ASSERT_EQ(1u, driver.Boxes().size());
        // The box shows the lone byte as the system draws it; the rest of the name is as it was.
        const std::string& box = driver.Boxes().front();
        EXPECT_NE(std::string::npos, box.find("パックで保存できません")) << box;
        EXPECT_NE(std::string::npos, box.find(".bmp")) << box;
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(pack_.c_str()));
}

TEST_F(PacksTest, BadPacksGetOneMessageLeaveNothingAndKeepTheScene)
{
    OpenDataFile(scene_ + "\\demo.rv4");
    ASSERT_TRUE(test::WaitUntilIdle());
    const Look before = TakeLook();
    const std::string scenePath = SceneFilePath();
    const std::string background = gDocument.backgroundPath;

    const std::string good = test::Noise(4000);
    std::vector<std::uint8_t> cut = MakeZip({{"s.rv4", "s"}, {"a.bmp", good}});
    cut.resize(cut.size() / 2);
    std::vector<std::uint8_t> bzip2 = MakeZip({{"s.rv4", "s"}, {"a.bmp", "x"}});
    test::PatchMethod(bzip2, 1, 12);
    test::TestEntry longer{"a.bmp", good};
    longer.declaredSize = 2000;
    test::TestEntry bomb{"a.bmp", std::string(1000000, '\0')};
    bomb.declaredSize = 3000000;  // past what deflate reaches
    test::TestEntry tooLarge{"a.bmp", std::string(2000000, 'y')};
    tooLarge.declaredSize = 0x80000001LL;
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"parent", MakeZip({{"s.rv4", "s"}, {"../evil.bmp", "x"}})},
        {"absolute", MakeZip({{"s.rv4", "s"}, {"/evil.bmp", "x"}})},
        {"drive", MakeZip({{"s.rv4", "s"}, {"C:\\evil.bmp", "x"}})},
        {"stream", MakeZip({{"s.rv4", "s"}, {"s.rv4:evil", "x"}})},
        {"device", MakeZip({{"s.rv4", "s"}, {"NUL.bmp", "x"}})},
        {"duplicate", MakeZip({{"s.rv4", "s"}, {"a.bmp", "x"}, {"A.bmp", "y"}})},
        {"larger than declared", MakeZip({{"s.rv4", "s"}, longer})},
        {"over 2 GB", MakeZip({{"s.rv4", "s"}, tooLarge})},
        {"ratio", MakeZip({{"s.rv4", "s"}, bomb})},
        {"encrypted", MakeZip({{"s.rv4", "s"}, {"a.bmp", "x", 0x0801}})},
        {"bzip2", bzip2},
        {"truncated", cut},
        {"no scene", MakeZip({{"a.bmp", good}})},
        {"not a zip", std::vector<std::uint8_t>(100, 'x')},
    };
    for (const auto& c : cases) {
        const std::string bad = root_ + "\\bad.rvp";
        WriteFileBytes(bad, std::string(c.bytes.begin(), c.bytes.end()));
        test::DialogAnswerer answerer(IDOK);
        OpenDataFile(bad);
        const auto seen = answerer.SeenSoFar();
        ASSERT_EQ(1u, seen.size()) << c.what;
        EXPECT_TRUE(StartsWith(seen[0].text, "パックを開けませんでした。")) << c.what << ": " << seen[0].text;
        EXPECT_EQ(gApp.form, seen[0].owner) << c.what;
        EXPECT_EQ(0, SubfolderCount(packs_)) << c.what << ": nothing stays of its own folder";
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root_ + "\\evil.bmp").c_str())) << c.what;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root_ + "\\user\\evil.bmp").c_str())) << c.what;
        EXPECT_EQ(scenePath, SceneFilePath()) << c.what;
        EXPECT_EQ(background, gDocument.backgroundPath) << c.what;
    }
    const Look after = TakeLook();
    EXPECT_TRUE(before.form == after.form);
    EXPECT_TRUE(before.signs[0] == after.signs[0]);
    EXPECT_TRUE(before.signs[1] == after.signs[1]);
}

// A pack whose scene names a picture out of the pack: a server's share, the folder above, a
// drive. Each is refused before the scene is shown, so nothing is read from that place.
TEST_F(PacksTest, ScenesNamingPicturesOutOfThePackAreRefused)
{
    OpenDataFile(scene_ + "\\demo.rv4");
    ASSERT_TRUE(test::WaitUntilIdle());
    const std::string scenePath = SceneFilePath();
    const std::string background = gDocument.backgroundPath;
    const std::string strip = test::Noise(100);
    for (const char* outside : {"\\\\host\\share\\x.bmp", "..\\x.bmp", "C:\\x.bmp"}) {
        for (int where = 0; where < 2; ++where) {  // the background, then the first sign's strip
            SCOPED_TRACE(std::string(outside) + (where == 0 ? " as the background" : " as the strip"));
            Ver4Scene scene;
            SceneOnScreen(&scene);
            scene.fields.backgroundPath = where == 0 ? outside : "x.bmp";
            scene.fields.signs[0].kind = SignKind::Roll;
            scene.fields.signs[0].picturePath = where == 1 ? outside : "x.bmp";
            MemoryByteSink bytes;
            EncodeVer4Scene(scene, bytes);
            const std::vector<std::uint8_t> zip =
                MakeZip({{"s.rv4", std::string(bytes.Bytes().begin(), bytes.Bytes().end())}, {"x.bmp", strip}});
            const std::string bad = root_ + "\\out.rvp";
            WriteFileBytes(bad, std::string(zip.begin(), zip.end()));
            test::DialogAnswerer answerer(IDOK);
            OpenDataFile(bad);
            const auto seen = answerer.SeenSoFar();
            ASSERT_EQ(1u, seen.size());
            EXPECT_TRUE(StartsWith(seen[0].text, "パックを開けませんでした。")) << seen[0].text;
            EXPECT_EQ(0, SubfolderCount(packs_));
            EXPECT_EQ(scenePath, SceneFilePath());
            EXPECT_EQ(background, gDocument.backgroundPath);
        }
    }
}

}  // namespace
}  // namespace rolva
