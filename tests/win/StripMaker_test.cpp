// The strip maker run on real windows: a list typed into the dialog becomes a strip or an LED
// folder on disk, the sign shows it at once, the list comes back when the maker opens again, and
// a target that cannot be written leaves the old file and the sign as they were. A long write
// shows its progress over the disabled maker, and a cancel leaves the folder as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "SaveChooserDriver.h"
#include "SettingsFixture.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "app/NamedWindows.h"
#include "base/ProgressWindowIds.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "maker/FrameDrawing.h"
#include "maker/MakerIds.h"
#include "maker/StripMaker.h"
#include "maker/core/FrameList.h"
#include "maker/core/MakerStyle.h"

namespace rolva {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 40;

bool IsInk(COLORREF pixel) { return pixel != RGB(0, 0, 0); }

// Ink of one frame: its bounds within the frame, or none.
struct Ink {
    bool any = false;
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive, frame coordinates
};

Ink InkOfFrame(const test::Capture& picture, int frame, int height)
{
    Ink ink;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!IsInk(picture.At(x, frame * height + y)))
                continue;
            ink.any = true;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

test::Capture LoadBmp(const std::string& path)
{
    BitmapHandle bitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!bitmap)
        return {};
    return test::BitmapPixels(bitmap.Get());
}

// The names of a folder's visible files, sorted by byte.
std::vector<std::string> VisibleFiles(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN)))
            names.push_back(found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

class StripMakerTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-maker-test";
        test::RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetSignWidth(0, kWidth);
        SetSignHeight(0, kHeight);
    }
    void TearDown() override
    {
        // A test that stopped early leaves no typed list behind to ask about with no one to answer.
        if (IsWindow(maker_))
            Type(kMakerListId, "");
        Close();
        test::RemoveTree(folder_);
    }

    void Open(int sign = 0)
    {
        maker_ = CreateModalWindow(gApp.form, "Maker", sign);
        ASSERT_NE(nullptr, maker_);
        test::PumpMessages();
    }
    void Close()
    {
        if (IsWindow(maker_))
            SendMessageA(maker_, WM_CLOSE, 0, 0);
        maker_ = nullptr;
        test::PumpMessages();  // takes the WM_QUIT meant for a modal loop not run here
    }
    void Type(int id, const std::string& text) { SetWindowTextA(GetDlgItem(maker_, id), text.c_str()); }
    std::string Text(int id) const { return test::TextOf(GetDlgItem(maker_, id)); }
    void Write()
    {
        SendMessageA(GetDlgItem(maker_, kMakerWriteId), BM_CLICK, 0, 0);
        test::PumpMessages(1);
    }
    void WriteList(const std::string& list, const std::string& output)
    {
        Type(kMakerListId, list);
        Type(kMakerOutputPathId, output);
        Write();
    }
    // A key pressed on a control of the maker, through the dialog keys as its modal loop does.
    void Press(HWND target, WPARAM key)
    {
        MSG msg{target, WM_KEYDOWN, key, 0x00000001, GetTickCount(), {}};
        if (!IsDialogMessageA(maker_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        msg.message = WM_KEYUP;
        msg.lParam = static_cast<LPARAM>(0xC0000001);
        if (!IsDialogMessageA(maker_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        test::PumpMessages();
    }

    std::string folder_;
    HWND maker_ = nullptr;

private:
    test::SceneGuard scene_;
};

TEST_F(StripMakerTest, AThreeFrameListBecomesAStripWithEachFramesInkInsideItsFrameAndTheSignShowsIt)
{
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Roll);
    Open();
    const std::string path = folder_ + "\\strip.bmp";
    WriteList("東京|TOKYO|快速\r\n大阪\r\nポートアイランド|Port Island|回送\r\n", path);

    const test::Capture strip = LoadBmp(path);
    ASSERT_EQ(kWidth, strip.width);
    ASSERT_EQ(3 * kHeight, strip.height);
    for (int k = 0; k < 3; ++k) {
        const Ink ink = InkOfFrame(strip, k, kHeight);
        ASSERT_TRUE(ink.any) << "frame " << k;
        // Inside its frame, clear of the two outer rows and columns where a neighbour begins.
        EXPECT_GE(ink.top, 2) << k;
        EXPECT_LE(ink.bottom, kHeight - 3) << k;
        EXPECT_GE(ink.left, 2) << k;
        EXPECT_LE(ink.right, kWidth - 3) << k;
    }
    // 快速's box is orange: strong red, some green, little blue.
    bool orange = false;
    for (int y = 0; y < kHeight && !orange; ++y)
        for (int x = 0; x < kWidth / 3 && !orange; ++x) {
            const COLORREF c = strip.At(x, y);
            orange = GetRValue(c) > 200 && GetGValue(c) > 80 && GetGValue(c) < 200 && GetBValue(c) < 60;
        }
    EXPECT_TRUE(orange);

    // The sign took it as 参照... gives it, from frame 0.
    EXPECT_EQ(path, gDocument.signs[0].picturePath);
    ASSERT_TRUE(gDocument.signs[0].pictureBitmap);
    const SIZE shown = test::BitmapSize(gDocument.signs[0].pictureBitmap.Get());
    EXPECT_EQ(kWidth, shown.cx);
    EXPECT_EQ(3 * kHeight, shown.cy);
    EXPECT_EQ(0, gDocument.signs[0].scrollOffset);
}

// Puts the system's own face check back whatever the test did.
struct FaceCheckGuard {
    explicit FaceCheckGuard(FaceCheck check) { SetFaceCheck(check); }
    ~FaceCheckGuard() { SetFaceCheck(nullptr); }
};

int CALLBACK NoteFaceSeen(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM seen)
{
    *reinterpret_cast<bool*>(seen) = true;
    return 0;
}

bool HasJapaneseCharset(const std::string& face)
{
    LOGFONTA wanted{};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, NoteFaceSeen, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// A system without the default face (Windows without the Japanese fonts, Wine without a
// replacement for it): the maker starts with an installed face that draws Japanese, and a list of
// Japanese destinations is written with it, every frame inked.
TEST_F(StripMakerTest, WithoutTheDefaultFaceAnInstalledJapaneseFaceWritesTheStrip)
{
    const FaceCheckGuard noDefault([](const std::string& face) { return face != kDefaultFace && SystemFaceInstalled(face); });
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Roll);
    Open();
    const std::string face = Text(kMakerFaceListId);
    EXPECT_NE(kDefaultFace, face);
    EXPECT_NE('@', face.empty() ? '@' : face[0]) << face;
    EXPECT_TRUE(SystemFaceInstalled(face)) << face;
    EXPECT_TRUE(HasJapaneseCharset(face)) << face;

    const std::string path = folder_ + "\\strip.bmp";
    test::DialogAnswerer answer(IDOK);  // a refusal would show a box
    WriteList("東京\r\n新大阪\r\n", path);
    EXPECT_TRUE(answer.SeenSoFar().empty()) << answer.SeenSoFar().front().text;
    const test::Capture strip = LoadBmp(path);
    ASSERT_EQ(2 * kHeight, strip.height);
    for (int k = 0; k < 2; ++k)
        EXPECT_TRUE(InkOfFrame(strip, k, kHeight).any) << "frame " << k;
}

// A face saved with the list that this system lacks is said once, when the maker opens, and
// replaced by an installed face.
TEST_F(StripMakerTest, ASavedFaceThatIsMissingIsSaidOnceAndReplaced)
{
    const char kMissing[] = "ないフォント";
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Roll);
    const std::string path = folder_ + "\\strip.bmp";
    {
        const FaceCheckGuard everyFace([](const std::string&) { return true; });
        Open();
        HWND faces = GetDlgItem(maker_, kMakerFaceListId);
        const LRESULT index = SendMessageA(faces, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kMissing));
        SendMessageA(faces, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(maker_, WM_COMMAND, MAKEWPARAM(kMakerFaceListId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
        WriteList("東京\r\n", path);
        Close();
    }
    test::DialogAnswerer answer(IDOK);
    Open();
    test::PumpMessages();
    const auto seen = answer.SeenSoFar();
    ASSERT_EQ(1u, seen.size());
    EXPECT_NE(std::string::npos, seen[0].text.find(kMissing)) << seen[0].text;
    const std::string face = Text(kMakerFaceListId);
    EXPECT_NE(kMissing, face);
    EXPECT_TRUE(SystemFaceInstalled(face)) << face;
}

TEST_F(StripMakerTest, OpensCentredOverTheFormAndInsideTheWorkArea)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromWindow(gApp.form, MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT area = monitor.rcWork;
    RECT form{};
    GetWindowRect(gApp.form, &form);
    const int formWidth = form.right - form.left, formHeight = form.bottom - form.top;
    const struct {
        const char* what;
        int left, top;
        bool centred;
    } cases[] = {
        {"the Form in the middle", (area.left + area.right - formWidth) / 2, (area.top + area.bottom - formHeight) / 2, true},
        {"the Form in the top-left corner", area.left, area.top, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetWindowPos(gApp.form, nullptr, c.left, c.top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        Open();
        GetWindowRect(gApp.form, &form);
        RECT maker{};
        GetWindowRect(maker_, &maker);
        EXPECT_GE(maker.left, area.left);
        EXPECT_GE(maker.top, area.top);
        EXPECT_LE(maker.right, area.right);
        EXPECT_LE(maker.bottom, area.bottom);
        if (c.centred) {
            EXPECT_LE(std::abs((maker.left - form.left) - (form.right - maker.right)), 1) << "equal margins left and right";
            EXPECT_LE(std::abs((maker.top - form.top) - (form.bottom - maker.bottom)), 1) << "and above and below";
        } else {
            EXPECT_EQ(area.left, maker.left) << "as near the Form's middle as the work area allows";
            EXPECT_EQ(area.top, maker.top);
        }
        Close();
    }
}

TEST_F(StripMakerTest, AVeryLongNameIsCondensedIntoItsFrameNotCut)
{
    Open();
    const std::string path = folder_ + "\\long.bmp";
    WriteList("東京ディズニーランド・ステーション経由南船橋駅前行き直通臨時便", path);
    const test::Capture strip = LoadBmp(path);
    ASSERT_EQ(kHeight, strip.height);
    const Ink ink = InkOfFrame(strip, 0, kHeight);
    ASSERT_TRUE(ink.any);
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.right, kWidth - 3);
    // Spread over nearly the whole width: narrowed, not cut short or shrunk to a corner.
    EXPECT_LT(ink.left, kWidth / 8);
    EXPECT_GT(ink.right, kWidth * 7 / 8);
    // Still as tall as a short name's: condensed sideways only.
    const std::string shortPath = folder_ + "\\short.bmp";
    WriteList("東京", shortPath);
    const Ink shortInk = InkOfFrame(LoadBmp(shortPath), 0, kHeight);
    EXPECT_GE(ink.bottom - ink.top, (shortInk.bottom - shortInk.top) * 3 / 4);
}

TEST_F(StripMakerTest, ReopeningTheMakerShowsTheSavedListAndStyle)
{
    Open();
    const std::string path = folder_ + "\\again.bmp";
    const std::string list = "回送\r\n東京|TOKYO|快速\r\n\r\n表町\r\n";
    CheckDlgButton(maker_, kMakerFrameLineId, BST_CHECKED);
    WriteList(list, path);
    Close();

    Open();
    EXPECT_EQ(list, Text(kMakerListId));
    EXPECT_EQ(path, Text(kMakerOutputPathId));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(maker_, kMakerFrameLineId));
}

TEST_F(StripMakerTest, AnLedSignGetsAFolderOfNumberedPicturesInFrameOrder)
{
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Led);
    Open();
    const std::string led = folder_ + "\\led";
    // Frame 2 is blank: its picture must be the third file and all dark.
    WriteList("東京\r\n大阪|OSAKA\r\n\r\n名古屋||急行\r\n", led);

    const std::vector<std::string> names = VisibleFiles(led);
    ASSERT_EQ(4u, names.size());
    EXPECT_EQ((std::vector<std::string>{"001.bmp", "002.bmp", "003.bmp", "004.bmp"}), names);

    for (int k = 0; k < 4; ++k) {
        const test::Capture frame = LoadBmp(led + "\\" + names[static_cast<size_t>(k)]);
        ASSERT_EQ(kWidth, frame.width);
        ASSERT_EQ(kHeight, frame.height);
        EXPECT_EQ(k != 2, InkOfFrame(frame, 0, kHeight).any) << k;
    }
    EXPECT_EQ(led, gDocument.signs[0].picturePath);

    // A shorter list drawn again leaves no frame of the longer one behind.
    WriteList("東京\r\n", led);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((led + "\\002.bmp").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((led + "\\001.bmp").c_str()));
}

TEST_F(StripMakerTest, AnLedFolderGetsEachFramesFurtherPagesBesideItsFileAndLosesPagesNoLongerListed)
{
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Led);
    Open();
    const std::string led = folder_ + "\\led";
    // Page 3 of frame 1 is blank: its picture must be all dark.
    WriteList("東京\r\n+|Tokyo\r\n+\r\n大阪\r\n", led);
    EXPECT_EQ("プレビュー（LED風 160×40、2枚＋2ページ）", Text(kMakerPreviewLabelId));
    const struct {
        const char* name;
        bool ink;
    } written[] = {{"001+2.bmp", true}, {"001+3.bmp", false}, {"001.bmp", true}, {"002.bmp", true}};
    ASSERT_EQ(std::size(written), VisibleFiles(led).size());
    for (std::size_t k = 0; k < std::size(written); ++k) {
        EXPECT_EQ(written[k].name, VisibleFiles(led)[k]);
        const test::Capture page = LoadBmp(led + "\\" + written[k].name);
        ASSERT_EQ(kWidth, page.width) << written[k].name;
        EXPECT_EQ(written[k].ink, InkOfFrame(page, 0, kHeight).any) << written[k].name;
    }

    // Written again with the page on the other frame: the old pages go, a picture of the
    // person's own that only looks alike stays.
    test::WriteSolidBmp(led + "\\001+2 own.bmp", 4, 4, RGB(1, 2, 3));
    WriteList("東京\r\n大阪\r\n+|OSAKA\r\n", led);
    EXPECT_EQ((std::vector<std::string>{"001+2 own.bmp", "001.bmp", "002+2.bmp", "002.bmp"}), VisibleFiles(led));
}

TEST_F(StripMakerTest, ARollStripLeavesPagesOutAndSaysSoOnce)
{
    Open();
    const std::string strip = folder_ + "\\strip.bmp";
    WriteList("東京\r\n+|Tokyo\r\n大阪\r\n", strip);
    EXPECT_EQ("プレビュー（幕式 160×40、2枚、＋の行のページは幕式では使いません）", Text(kMakerPreviewLabelId));
    const test::Capture written = LoadBmp(strip);
    EXPECT_EQ(2 * kHeight, written.height);
}

TEST_F(StripMakerTest, AReadOnlyTargetGivesTheMessageAndLeavesTheOldFileAndTheSign)
{
    const std::string path = folder_ + "\\locked.bmp";
    const std::string old = "old picture bytes";
    test::WriteFileBytes(path, old);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string signBefore = gDocument.signs[0].picturePath;
    Open();
    {
        test::DialogAnswerer answerer(IDOK);
        WriteList("東京\r\n大阪\r\n", path);
        const auto seen = answerer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("幕の作成", seen[0].caption);
        EXPECT_NE(std::string::npos, seen[0].text.find("書き込めませんでした"));
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(old, test::ReadFileBytes(path));
    EXPECT_EQ(signBefore, gDocument.signs[0].picturePath);
}

// Ctrl held down for this thread's key state, as GetKeyState sees it.
struct ControlHeld {
    // With alt, as AltGr holds them: Ctrl+Alt on a key-down message.
    explicit ControlHeld(bool alt = false)
    {
        GetKeyboardState(saved_);
        BYTE held[256];
        std::copy(std::begin(saved_), std::end(saved_), held);
        held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
        if (alt)
            held[VK_MENU] = held[VK_RMENU] = 0x80;
        SetKeyboardState(held);
    }
    ~ControlHeld() { SetKeyboardState(saved_); }
    ControlHeld(const ControlHeld&) = delete;
    ControlHeld& operator=(const ControlHeld&) = delete;

private:
    BYTE saved_[256] = {};
};

// A typed list is never lost to a close: each way of closing asks, Yes writes and closes, No
// closes without writing, Cancel keeps the maker and the list.
TEST_F(StripMakerTest, ClosingWithATypedListAsksAndEachAnswerDoesWhatItSays)
{
    enum class Way { Button, Request, EscapeInList, EscapeInField };
    const struct {
        const char* what;
        Way way;
    } ways[] = {
        {"閉じる", Way::Button},
        {"a close request", Way::Request},
        {"Esc in the list", Way::EscapeInList},
        {"Esc in a one-line field", Way::EscapeInField},
    };
    const int answers[] = {IDYES, IDNO, IDCANCEL};
    const std::string list = "東京\r\n大阪|OSAKA\r\n";
    const std::string path = folder_ + "\\asked.bmp";
    for (const auto& w : ways) {
        for (const int answer : answers) {
            SCOPED_TRACE(std::string(w.what) + ", answer " + std::to_string(answer));
            // No strip and no saved list: the maker opens empty, even on the sign an earlier Yes gave the strip.
            DeleteFileA(path.c_str());
            DeleteFileA((folder_ + "\\asked.rvm").c_str());
            Open();
            ASSERT_EQ("", Text(kMakerListId));
            Type(kMakerOutputPathId, path);
            Type(kMakerListId, list);
            std::vector<test::DialogAnswerer::Seen> seen;
            {
                test::DialogAnswerer answerer(answer);
                switch (w.way) {
                case Way::Button:
                    SendMessageA(GetDlgItem(maker_, kMakerCloseId), BM_CLICK, 0, 0);
                    break;
                case Way::Request:
                    SendMessageA(maker_, WM_CLOSE, 0, 0);
                    break;
                case Way::EscapeInList:
                    Press(GetDlgItem(maker_, kMakerListId), VK_ESCAPE);
                    break;
                case Way::EscapeInField:
                    Press(GetDlgItem(maker_, kMakerPitchEditId), VK_ESCAPE);
                    break;
                }
                test::PumpMessages();
                seen = answerer.SeenSoFar();
            }
            ASSERT_EQ(1u, seen.size());
            EXPECT_EQ("幕の作成", seen[0].caption);
            EXPECT_NE(std::string::npos, seen[0].text.find("作成して閉じる")) << seen[0].text;
            EXPECT_EQ(maker_, seen[0].owner);
            EXPECT_EQ(answer == IDYES, GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES);
            if (answer == IDCANCEL) {
                ASSERT_TRUE(IsWindow(maker_)) << "the maker stays";
                EXPECT_EQ(list, Text(kMakerListId));
                Type(kMakerListId, "");
                Close();
            } else {
                EXPECT_FALSE(IsWindow(maker_)) << "the maker closes";
                maker_ = nullptr;
            }
        }
    }
}

// Yes whose writing fails (a target that cannot be written) keeps the maker and its list.
TEST_F(StripMakerTest, YesToTheCloseQuestionClosesOnlyWhenTheWritingSucceeded)
{
    const std::string path = folder_ + "\\locked.bmp";
    test::WriteFileBytes(path, "old");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    Open();
    Type(kMakerOutputPathId, path);
    Type(kMakerListId, "東京\r\n");
    {
        test::DialogAnswerer answerer(IDYES);  // the question, then the refusal's OK-only box
        SendMessageA(maker_, WM_CLOSE, 0, 0);
        test::PumpMessages();
        EXPECT_EQ(2u, answerer.SeenSoFar().size());
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(IsWindow(maker_));
    EXPECT_EQ("東京\r\n", Text(kMakerListId));
}

// Nothing to lose, nothing asked: an empty list, a list just written, the saved list reopened.
TEST_F(StripMakerTest, AnEmptyWrittenOrReopenedListClosesWithoutAsking)
{
    const std::string path = folder_ + "\\kept.bmp";
    const struct {
        const char* what;
        bool write;  // written before closing
        bool reopen;  // then reopened and closed again
        const char* list;
    } cases[] = {
        {"empty", false, false, ""},
        {"emptied after typing", false, false, nullptr},
        {"written", true, false, "東京\r\n"},
        {"reopened with its saved list", true, true, "大阪\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::DialogAnswerer answerer(IDCANCEL);  // a question would keep the maker open
        Open();
        if (!c.list) {
            Type(kMakerListId, "東京");
            Type(kMakerListId, "");
        } else if (c.write) {
            WriteList(c.list, path);
        } else {
            Type(kMakerListId, c.list);
        }
        if (c.reopen) {
            SendMessageA(maker_, WM_CLOSE, 0, 0);
            test::PumpMessages();
            Open();
            ASSERT_EQ(c.list, Text(kMakerListId));
        }
        SendMessageA(maker_, WM_CLOSE, 0, 0);
        test::PumpMessages();
        EXPECT_FALSE(IsWindow(maker_));
        EXPECT_TRUE(answerer.SeenSoFar().empty()) << answerer.SeenSoFar().front().text;
        maker_ = nullptr;
    }
}

// A full list of the longest lines goes in as a paste puts it, and comes back whole.
TEST_F(StripMakerTest, TheListHoldsAFullListOfTheLongestLines)
{
    std::string field;
    for (std::size_t i = 0; i < kMaxFrameFieldChars; ++i)
        field += "駅";
    const std::string line = field + "｜" + field + "｜" + field + "\r\n";
    ASSERT_EQ(kMaxFrameLineBytes, line.size());
    std::string text;
    for (std::size_t i = 0; i < kMaxMakerFrames; ++i)
        text += line;
    Open();
    HWND list = GetDlgItem(maker_, kMakerListId);
    SendMessageA(list, EM_SETSEL, 0, -1);
    SendMessageA(list, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    const std::string back = Text(kMakerListId);
    EXPECT_EQ(text.size(), back.size());
    EXPECT_TRUE(back == text) << "the text came back changed";
    EXPECT_NE(std::string::npos, Text(kMakerPreviewLabelId).find("999枚")) << Text(kMakerPreviewLabelId);
    Type(kMakerListId, "");
}

// In the list, Tab goes on to the next control as in any dialog, Ctrl+Tab types a tab and
// Ctrl+A selects the whole list.
TEST_F(StripMakerTest, TheListsKeysTabLeavesCtrlTabTypesATabCtrlASelectsAll)
{
    Open();
    HWND list = GetDlgItem(maker_, kMakerListId);
    const std::string typed = "Tokyo\r\nOsaka";
    Type(kMakerListId, typed);

    SetFocus(list);
    SendMessageA(list, EM_SETSEL, 2, 2);
    Press(list, VK_TAB);
    EXPECT_EQ(GetDlgItem(maker_, kMakerFaceListId), GetFocus()) << "Tab moves to the face list";
    EXPECT_EQ(typed, Text(kMakerListId));

    SetFocus(list);
    SendMessageA(list, EM_SETSEL, 2, 2);
    {
        const ControlHeld control;
        Press(list, VK_TAB);
        EXPECT_EQ(list, GetFocus()) << "Ctrl+Tab stays";
        EXPECT_EQ("To\tkyo\r\nOsaka", Text(kMakerListId));

        SendMessageA(list, EM_SETSEL, 1, 1);
        Press(list, 'A');
    }
    DWORD start = 1, end = 0;
    SendMessageA(list, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(static_cast<DWORD>(GetWindowTextLengthA(list)), end);
    EXPECT_EQ("To\tkyo\r\nOsaka", Text(kMakerListId)) << "no control character typed";

    // AltGr+A and AltGr+Tab are keys of their own on some layouts: neither selects the list nor
    // types a tab here.
    SendMessageA(list, EM_SETSEL, 1, 1);
    {
        const ControlHeld altGr(true);
        Press(list, 'A');
        Press(list, VK_TAB);
    }
    SendMessageA(list, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_NE(0u, start) << "AltGr+A selected the whole list";
    EXPECT_EQ(std::string::npos, Text(kMakerListId).find("\t\t")) << "AltGr+Tab typed a tab";
    Type(kMakerListId, "");
}

// 参照... names a BMP: a name typed without its ending that names an existing strip is asked
// about before it is taken, and No leaves the output as it was.
TEST_F(StripMakerTest, TheChooserAsksBeforeTakingAnExistingStripTypedWithoutItsEnding)
{
    const std::string existing = folder_ + "\\old.bmp";
    test::WriteFileBytes(existing, "old picture bytes");
    const struct {
        const char* typed;  // in the test's folder
        int answer;
        bool asked;  // the replace question came
        const char* taken;  // the output afterwards, in the test's folder; nullptr: unchanged
    } cases[] = {
        {"old", IDYES, true, "old.bmp"},
        {"old", IDNO, true, nullptr},
        {"new", IDYES, false, "new.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + ", answer " + std::to_string(c.answer));
        Open();
        std::vector<std::string> boxes;
        {
            test::SaveChooserDriver driver(folder_ + "\\" + c.typed, c.answer);
            SendMessageA(GetDlgItem(maker_, kMakerOutputBrowseId), BM_CLICK, 0, 0);
            boxes = driver.Boxes();
        }
        ASSERT_EQ(c.asked ? 1u : 0u, boxes.size());
        EXPECT_EQ(c.taken ? folder_ + "\\" + c.taken : std::string(), Text(kMakerOutputPathId));
        EXPECT_EQ("old picture bytes", test::ReadFileBytes(existing));
        Close();
    }
}

TEST_F(StripMakerTest, TooManyFramesOrADeepStripOrAMissingFontIsRefusedWithAMessage)
{
    std::string thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += "x\r\n";
    std::string large;  // 900 frames of 1000 x 40: 36,000,000 pixels, past the 2^25 a strip may hold
    for (int i = 0; i < 900; ++i)
        large += "x\r\n";
    struct Case {
        std::string list;
        int width;
        const char* face;  // nullptr keeps the dialog's
        const char* said;
    };
    const Case cases[] = {
        {thousand, kWidth, nullptr, "999"},
        {large, 1000, nullptr, "33554432"},
        {"東京\r\n", kWidth, "No Such Face Rolva", "No Such Face Rolva"},
    };
    for (const Case& c : cases) {
        SetSignWidth(0, c.width);
        Open();
        if (c.face) {
            HWND faces = GetDlgItem(maker_, kMakerFaceListId);
            const LRESULT at = SendMessageA(faces, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.face));
            SendMessageA(faces, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
        }
        const std::string path = folder_ + "\\refused.bmp";
        {
            test::DialogAnswerer answerer(IDOK);
            WriteList(c.list, path);
            const auto seen = answerer.SeenSoFar();
            ASSERT_EQ(1u, seen.size()) << c.said;
            EXPECT_NE(std::string::npos, seen[0].text.find(c.said)) << seen[0].text;
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
        }
        // The list was not written: closing asks, and No lets it go.
        test::DialogAnswerer discard(IDNO);
        Close();
        EXPECT_EQ(1u, discard.SeenSoFar().size());
    }
}

// What a watch of a write saw.
struct ProgressSeen {
    HWND window = nullptr;  // the progress window, once found
    HWND owner = nullptr;
    bool makerEnabled = true;  // the maker's state under it
    std::string caption;
    std::string text;
    std::vector<std::string> boxes;  // any other dialog over the maker meanwhile
};

// Stands by a write from a thread of its own: once the maker's progress window is there, it
// notes what it shows and does the test's act on it; any other dialog over the maker is noted
// and closed, so that a box the maker should not show fails the test instead of hanging it.
class ProgressWatcher {
public:
    using Act = void (*)(HWND maker, HWND progress);
    ProgressWatcher(HWND maker, Act act)
        : maker_(maker), act_(act), stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          thread_(CreateThread(nullptr, 0, Run, this, 0, nullptr))
    {
    }
    ~ProgressWatcher() { Finish(); }
    ProgressWatcher(const ProgressWatcher&) = delete;
    ProgressWatcher& operator=(const ProgressWatcher&) = delete;

    // Ends the watch; what it saw.
    const ProgressSeen& Finish()
    {
        if (thread_) {
            SetEvent(stop_);
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
            CloseHandle(stop_);
            thread_ = nullptr;
        }
        return seen_;
    }

private:
    static DWORD WINAPI Run(LPVOID self)
    {
        static_cast<ProgressWatcher*>(self)->Watch();
        return 0;
    }

    void Watch()
    {
        std::vector<HWND> closed;
        while (WaitForSingleObject(stop_, 1) == WAIT_TIMEOUT) {
            for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
                 w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
                if (GetWindow(w, GW_OWNER) != maker_ || w == seen_.window ||
                    std::find(closed.begin(), closed.end(), w) != closed.end())
                    continue;
                if (!seen_.window && GetDlgItem(w, IDCANCEL) && GetDlgItem(w, kProgressBarId)) {
                    seen_.window = w;
                    seen_.owner = GetWindow(w, GW_OWNER);
                    seen_.makerEnabled = IsWindowEnabled(maker_) != FALSE;
                    seen_.caption = test::TextOf(w);
                    seen_.text = test::TextOf(GetDlgItem(w, kProgressTextId));
                    act_(maker_, w);
                } else if (IsWindowVisible(w)) {
                    seen_.boxes.push_back(test::TextOf(w) + ": " + test::TextOf(GetDlgItem(w, 0xFFFF)));
                    closed.push_back(w);
                    PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                }
            }
        }
    }

    HWND maker_;
    Act act_;
    HANDLE stop_;
    HANDLE thread_;
    ProgressSeen seen_;
};

// A write of a full list into a folder with frames in it, stopped while it runs by each way of
// stopping it: the folder is as it was, and the maker is given back with its list, saying nothing.
TEST_F(StripMakerTest, ALongWriteShowsItsProgressOverTheDisabledMakerAndACancelLeavesTheFolder)
{
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Led);
    const std::string led = folder_ + "\\led";
    CreateDirectoryA(led.c_str(), nullptr);
    for (const char* name : {"001.bmp", "002.bmp", "003.bmp"})
        test::WriteFileBytes(led + "\\" + name, std::string("old ") + name);
    const auto before = test::FolderContents(led);
    std::string full;
    for (int i = 0; i < 999; ++i)
        full += "東京駅八重洲口|TOKYO " + std::to_string(i) + "|快速\r\n";
    const std::string signBefore = gDocument.signs[0].picturePath;

    const struct {
        const char* what;
        ProgressWatcher::Act act;
    } ways[] = {
        {"the cancel button",
         [](HWND, HWND progress) {
             PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                          reinterpret_cast<LPARAM>(GetDlgItem(progress, IDCANCEL)));
         }},
        {"the progress window's close box", [](HWND, HWND progress) { PostMessageA(progress, WM_CLOSE, 0, 0); }},
        {"a close request to the maker", [](HWND maker, HWND) { PostMessageA(maker, WM_CLOSE, 0, 0); }},
        {"the session ending", [](HWND, HWND progress) { PostMessageA(progress, WM_ENDSESSION, TRUE, 0); }},
    };
    Open();
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        Type(kMakerListId, full);
        Type(kMakerOutputPathId, led);
        ProgressWatcher watcher(maker_, way.act);
        SendMessageA(GetDlgItem(maker_, kMakerWriteId), BM_CLICK, 0, 0);
        const ProgressSeen& seen = watcher.Finish();

        ASSERT_NE(nullptr, seen.window);
        EXPECT_EQ(maker_, seen.owner);
        EXPECT_FALSE(seen.makerEnabled);
        EXPECT_EQ("幕の作成", seen.caption);
        EXPECT_EQ("幕を作成しています...", seen.text);
        EXPECT_TRUE(seen.boxes.empty()) << seen.boxes.front();
        EXPECT_FALSE(IsWindow(seen.window));
        ASSERT_TRUE(IsWindow(maker_));
        EXPECT_TRUE(IsWindowEnabled(maker_));
        // The keys go where they went before: to 作成, which the click gave the focus.
        EXPECT_EQ(GetDlgItem(maker_, kMakerWriteId), GetFocus());
        EXPECT_EQ(full, Text(kMakerListId));
        EXPECT_TRUE(test::FolderHolds(led, before));
        EXPECT_EQ(signBefore, gDocument.signs[0].picturePath);
        test::PumpMessages();
    }
}

}  // namespace
}  // namespace rolva
