// The manuscript template on the clipboard, read back pixel by pixel: a white stack of frames
// as large as the sign, a black line on the top row of each when there are several, one frame
// for an LED-style sign, nothing left behind when the clipboard refuses it, and a message when
// another program holds the clipboard past a short wait.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "TestSupport.h"
#include "base/Handles.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "settings/SettingsIds.h"

namespace rolva {
namespace {

void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

test::Capture ClipboardBitmap()
{
    test::Capture capture;
    if (!OpenClipboard(nullptr))
        return capture;
    if (HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)))  // the clipboard's: never freed here
        capture = test::BitmapPixels(bitmap);
    CloseClipboard();
    return capture;
}

void ExpectTemplate(const test::Capture& shown, int width, int height, const std::vector<int>& lineRows)
{
    ASSERT_EQ(width, shown.width);
    ASSERT_EQ(height, shown.height);
    for (int y = 0; y < height; ++y) {
        const bool line = std::find(lineRows.begin(), lineRows.end(), y) != lineRows.end();
        const COLORREF expected = line ? RGB(0, 0, 0) : RGB(255, 255, 255);
        for (int x = 0; x < width; ++x) {
            if (shown.At(x, y) != expected) {
                ADD_FAILURE() << "pixel " << x << ", " << y << " is " << std::hex << shown.At(x, y);
                return;
            }
        }
    }
}

using SettingsTemplateTest = test::SettingsDialogTest;

TEST_F(SettingsTemplateTest, IsAWhiteStackOfFramesWithALineOnTopOfEachWhenThereAreSeveral)
{
    const struct {
        int sign;
        std::uint8_t kind;
        std::int16_t frames;
        int height;
        std::vector<int> lines;
    } cases[] = {
        {0, 0, 1, 57, {}},
        {0, 0, 3, 171, {0, 57, 114}},
        {1, 0, 2, 114, {0, 57}},
        {1, 1, 5, 57, {}},  // an LED-style sign: one frame whatever its field shows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sign << " " << int{c.kind} << " " << c.frames);
        SetSignWidth(c.sign, 123);
        SetSignHeight(c.sign, 57);
        gDocument.signs[c.sign].kind = c.kind;
        gDocument.signs[c.sign].manuscriptFrames = c.frames;
        Open();
        EXPECT_EQ(std::to_string(c.frames), Text(kFramesEditIds[c.sign]));
        EmptyTheClipboard();
        Click(kCopyTemplateIds[c.sign]);
        ExpectTemplate(ClipboardBitmap(), 123, c.height, c.lines);
        Close();
    }
}

TEST_F(SettingsTemplateTest, FollowsTheSignsSizeAndEachPressReplacesTheLast)
{
    SetSignWidth(0, 123);
    SetSignHeight(0, 57);
    gDocument.signs[0].kind = 0;
    gDocument.signs[0].manuscriptFrames = 2;
    Open();
    Click(kCopyTemplateIds[0]);
    ExpectTemplate(ClipboardBitmap(), 123, 114, {0, 57});

    ClickArrow(kWidthUpDownIds[0], true);
    ClickArrow(kFramesUpDownIds[0], false);
    Click(kCopyTemplateIds[0]);
    ExpectTemplate(ClipboardBitmap(), 124, 57, {});
}

// Holds the clipboard open from a thread of its own, as another program would.
class ClipboardHolder {
public:
    ClipboardHolder()
    {
        opened_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
        WaitForSingleObject(opened_, INFINITE);
    }
    ~ClipboardHolder()
    {
        SetEvent(release_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(release_);
        CloseHandle(opened_);
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    bool Holding() const { return holding_; }
    // Lets go of the clipboard now (the destructor then only joins the thread).
    void Release() { SetEvent(release_); }

private:
    static DWORD WINAPI Run(LPVOID self)
    {
        ClipboardHolder& me = *static_cast<ClipboardHolder*>(self);
        // The system's clipboard service may hold it for a moment after the last copy.
        for (int attempt = 0; attempt < 100 && !me.holding_; ++attempt) {
            me.holding_ = OpenClipboard(nullptr) != FALSE;
            if (!me.holding_)
                Sleep(50);
        }
        SetEvent(me.opened_);
        WaitForSingleObject(me.release_, INFINITE);
        if (me.holding_)
            CloseClipboard();
        return 0;
    }

    HANDLE opened_;
    HANDLE release_;
    HANDLE thread_;
    volatile bool holding_ = false;
};

TEST_F(SettingsTemplateTest, ATemplateTheClipboardRefusedIsFreedAtOnce)
{
    Open();
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        test::DialogAnswerer answerer(IDOK);  // the message that says it was not copied
        // The first message box brings in what every later one shares; count from the second.
        Click(kCopyTemplateIds[1]);
        const DWORD before = test::GdiObjectCount();
        Click(kCopyTemplateIds[1]);
        EXPECT_EQ(before, test::GdiObjectCount());
    }
    EmptyTheClipboard();
    Click(kCopyTemplateIds[1]);
    EXPECT_EQ(SignWidth(1), ClipboardBitmap().width) << "a refusal must not stop the next copy";
}

// Puts a short text on the clipboard, as another program's copy would.
void PutTextOnTheClipboard(const char* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const size_t size = strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory))
        GlobalFree(memory);
    CloseClipboard();
}

std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {  // the clipboard's: never freed here
        text = static_cast<const char*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

TEST_F(SettingsTemplateTest, AClipboardHeldByAnotherProgramIsToldAndLeftAsItWas)
{
    SetSignWidth(0, 123);
    SetSignHeight(0, 57);
    gDocument.signs[0].kind = 0;
    gDocument.signs[0].manuscriptFrames = 1;
    Open();
    PutTextOnTheClipboard("another program's text");
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        test::DialogAnswerer answerer(IDOK);
        Click(kCopyTemplateIds[0]);
        const auto seen = answerer.SeenSoFar();
        ASSERT_EQ(1u, seen.size()) << "no word that the copy failed";
        EXPECT_EQ("原稿のコピー", seen[0].caption);
        EXPECT_NE(std::string::npos, seen[0].text.find("クリップボード")) << seen[0].text;
        EXPECT_NE(std::string::npos, seen[0].text.find("原稿をコピーできませんでした")) << seen[0].text;
        EXPECT_EQ(dialog_, seen[0].owner) << "the message belongs over the settings dialog";
    }
    EXPECT_EQ("another program's text", ClipboardText()) << "the held clipboard was changed";
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));

    test::DialogAnswerer answerer(IDOK);
    Click(kCopyTemplateIds[0]);
    ExpectTemplate(ClipboardBitmap(), 123, 57, {});
    EXPECT_TRUE(answerer.SeenSoFar().empty()) << "a message after a copy that worked";
}

DWORD WINAPI ReleaseSoon(LPVOID holder)
{
    Sleep(150);
    static_cast<ClipboardHolder*>(holder)->Release();
    return 0;
}

// A holder that lets go within the wait: the copy goes through and nothing is said.
TEST_F(SettingsTemplateTest, AClipboardHeldForAMomentIsWaitedFor)
{
    SetSignWidth(1, 40);
    SetSignHeight(1, 20);
    gDocument.signs[1].kind = 0;
    gDocument.signs[1].manuscriptFrames = 2;
    Open();
    EmptyTheClipboard();
    test::DialogAnswerer answerer(IDOK);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        // Lets go 150 ms from now, while the button waits.
        KernelHandle release(CreateThread(nullptr, 0, ReleaseSoon, &holder, 0, nullptr));
        Click(kCopyTemplateIds[1]);
        WaitForSingleObject(release.Get(), INFINITE);
    }
    ExpectTemplate(ClipboardBitmap(), 40, 40, {0, 20});
    EXPECT_TRUE(answerer.SeenSoFar().empty());
}

}  // namespace
}  // namespace rolva
