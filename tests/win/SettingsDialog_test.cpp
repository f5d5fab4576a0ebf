// The settings dialog as a window: opened from the Settings menu it mirrors the scene, shows
// its help picture, colours its fields, carries its tips, ignores Escape and Enter and ends
// with 1 from its close button and 0 from a close request, handing the focus back to the panel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>

#include "SettingsFixture.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "app/Commands.h"
#include "app/MenuIds.h"
#include "app/NamedWindows.h"
#include "base/Handles.h"
#include "base/Modal.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "settings/SettingsIds.h"

namespace rolva {
namespace {

HWND SettingsItem(int id) { return GetDlgItem(gApp.settings, id); }

std::string SettingsText(int id) { return test::TextOf(SettingsItem(id)); }

TEST(SettingsDialogRun, OpensFromTheSettingsMenuWithEveryFieldMirroringTheScene)
{
    test::SceneGuard scene;
    // Values no field could show by chance, a first sign of a kind its list does not offer (only
    // a data file can bring that) and a path longer than the old 255-byte buffers.
    gApp.formRecord.SetWidth(517);
    gApp.formRecord.SetHeight(433);
    const int places[kSignCount][4] = {{41, 33, 140, 45}, {260, 70, 99, 61}};
    const std::int32_t radii[kSignCount] = {7, 12};
    const std::int16_t frames[kSignCount] = {3, 5};
    const std::uint8_t kinds[kSignCount] = {2, 1};
    const std::string paths[kSignCount] = {"C:\\signs\\first.bmp", "C:\\signs\\led frames"};
    const std::string background = "C:\\" + std::string(300, 'b') + "\\front.bmp";
    for (int i = 0; i < kSignCount; ++i) {
        SetSignLeft(i, places[i][0]);
        SetSignTop(i, places[i][1]);
        SetSignWidth(i, places[i][2]);
        SetSignHeight(i, places[i][3]);
        gDocument.signs[i].cornerRadius = radii[i];
        gDocument.signs[i].manuscriptFrames = frames[i];
        gDocument.signs[i].kind = kinds[i];
        gDocument.signs[i].picturePath = paths[i];
    }
    gDocument.backgroundPath = background;
    const struct {
        int editId;
        int expected;
    } mirrors[] = {
        {kFormWidthEditId, 517},
        {kFormHeightEditId, 433},
        {kLeftEditIds[0], 41},
        {kTopEditIds[0], 33},
        {kWidthEditIds[0], 140},
        {kHeightEditIds[0], 45},
        {kLeftEditIds[1], 260},
        {kTopEditIds[1], 70},
        {kWidthEditIds[1], 99},
        {kHeightEditIds[1], 61},
        {kCornerEditIds[0], 7},
        {kCornerEditIds[1], 12},
        {kFramesEditIds[0], 3},
        {kFramesEditIds[1], 5},
    };

    SetFocus(gApp.form);
    test::ModalScript script({[&] {
        ASSERT_TRUE(IsWindowVisible(gApp.settings));
        EXPECT_EQ("設定", test::TextOf(gApp.settings));
        EXPECT_FALSE(IsWindowEnabled(gApp.form));
        EXPECT_FALSE(IsWindowEnabled(gApp.controlPanel));
        for (const auto& m : mirrors)
            EXPECT_EQ(std::to_string(m.expected), SettingsText(m.editId)) << m.editId;
        EXPECT_EQ(background, SettingsText(kBackgroundPathId));
        EXPECT_EQ(paths[0], SettingsText(kPicturePathIds[0]));
        EXPECT_EQ(paths[1], SettingsText(kPicturePathIds[1]));

        HWND firstKinds = SettingsItem(kKindListIds[0]);
        EXPECT_EQ(2, SendMessageA(firstKinds, CB_GETCOUNT, 0, 0)) << "the first sign cannot be hidden";
        EXPECT_EQ(CB_ERR, SendMessageA(firstKinds, CB_GETCURSEL, 0, 0));
        HWND secondKinds = SettingsItem(kKindListIds[1]);
        EXPECT_EQ(3, SendMessageA(secondKinds, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(1, SendMessageA(secondKinds, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(SignKindLabel(1), test::TextOf(secondKinds));

        HWND help = SettingsItem(kHelpId);
        EXPECT_NE(0, GetWindowLongA(help, GWL_STYLE) & BS_BITMAP);
        HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageA(help, BM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(nullptr, picture);
        const SIZE size = test::BitmapSize(picture);
        EXPECT_EQ(71, size.cx);
        EXPECT_EQ(29, size.cy);

        SendMessageA(SettingsItem(kCloseId), BM_CLICK, 0, 0);
    }});
    RunCommand(kCommandSettings);

    EXPECT_EQ(1u, script.Ran());
    EXPECT_EQ(nullptr, gApp.settings);
    EXPECT_TRUE(IsWindowEnabled(gApp.form));
    EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
    EXPECT_EQ(gApp.controlPanel, GetFocus());
    // Opening changed nothing: the fields only mirror.
    EXPECT_EQ(140, SignWidth(0));
    EXPECT_EQ(2, gDocument.signs[0].kind);
    EXPECT_EQ(background, gDocument.backgroundPath);
}

TEST(SettingsDialogRun, CloseButtonEndsWithOneAndACloseRequestWithZero)
{
    struct Case {
        const char* how;
        int expected;
        std::function<void()> close;
    };
    const Case cases[] = {
        {"close button", 1, [] { SendMessageA(SettingsItem(kCloseId), BM_CLICK, 0, 0); }},
        {"close request", 0, [] { SendMessageA(gApp.settings, WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        test::SceneGuard scene;
        {
            test::ModalScript script({c.close});
            EXPECT_EQ(c.expected, RunModal(gApp.form, "Set"));
            EXPECT_EQ(1u, script.Ran());
        }
        EXPECT_TRUE(IsWindowEnabled(gApp.form));

        SetFocus(gApp.form);
        {
            test::ModalScript script({c.close});
            RunCommand(kCommandSettings);
            EXPECT_EQ(1u, script.Ran());
        }
        EXPECT_EQ(nullptr, gApp.settings);
        EXPECT_TRUE(IsWindowEnabled(gApp.form));
        EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
        EXPECT_EQ(gApp.controlPanel, GetFocus());
    }
}

TEST(SettingsDialogRun, EscapeAndEnterLeaveItOpen)
{
    test::SceneGuard scene;
    bool openAfterKeys = false;
    test::ModalScript script({
        [] {
            HWND field = SettingsItem(kFormWidthEditId);
            SetFocus(field);
            for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
                PostMessageA(field, WM_KEYDOWN, key, 1);
                PostMessageA(field, WM_KEYUP, key, 0xC0000001);
            }
        },
        [&] {
            openAfterKeys = IsWindow(gApp.settings) && IsWindowVisible(gApp.settings);
            SendMessageA(gApp.settings, WM_CLOSE, 0, 0);
        },
    });
    EXPECT_EQ(0, RunModal(gApp.form, "Set")) << "only the close request may end it";
    EXPECT_TRUE(openAfterKeys);
}

using SettingsDialogTest = test::SettingsDialogTest;

// The COLORREF that covers most of a capture: an edit box's background.
COLORREF MostCommon(const test::Capture& capture)
{
    std::map<COLORREF, int> counts;
    for (COLORREF c : capture.pixels)
        ++counts[c];
    COLORREF best = CLR_INVALID;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            best = colour;
        }
    }
    return best;
}

TEST_F(SettingsDialogTest, ColoursEachFieldByWhatItHolds)
{
    gDocument.backgroundPath = "C:\\pictures\\front.bmp";
    gDocument.signs[1].picturePath = "C:\\pictures\\strip.bmp";
    gDocument.signs[0].cornerRadius = 8;
    Open(true);
    SetFocus(dialog_);  // no caret in any field
    test::PumpMessages();

    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    const struct {
        int id;
        COLORREF background;
        COLORREF text;
    } cases[] = {
        {kBackgroundPathId, black, RGB(255, 255, 0)},
        {kPicturePathIds[1], black, RGB(255, 255, 0)},
        {kFormWidthEditId, RGB(0, 255, 255), GetSysColor(COLOR_WINDOWTEXT)},
        {kLeftEditIds[0], RGB(0, 0, 255), white},
        {kHeightEditIds[1], RGB(0, 0, 255), white},
        {kCornerEditIds[0], RGB(255, 255, 0), GetSysColor(COLOR_WINDOWTEXT)},
        {kFramesEditIds[0], GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const test::Capture shown = test::CaptureClient(Item(c.id));
        ASSERT_GT(shown.pixels.size(), 0u);
        EXPECT_EQ(c.background, MostCommon(shown));
        EXPECT_TRUE(shown.Has(c.text)) << "no text in its colour";
    }
}

// Windows' edit control redraws changed text without erasing first: a coloured field must draw
// its text opaque on its own colour, or deleted digits stay visible behind the new ones.
TEST_F(SettingsDialogTest, ColouredFieldsDrawTheirTextOpaqueOnTheirOwnColour)
{
    Open();
    const struct {
        int id;
        COLORREF background;
    } cases[] = {
        {kBackgroundPathId, RGB(0, 0, 0)},      {kPicturePathIds[0], RGB(0, 0, 0)},
        {kFormHeightEditId, RGB(0, 255, 255)},  {kTopEditIds[0], RGB(0, 0, 255)},
        {kWidthEditIds[1], RGB(0, 0, 255)},     {kCornerEditIds[1], RGB(255, 255, 0)},
    };
    MemoryDc dc(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        // What a previous field left in the DC must not survive.
        SetBkMode(dc.Get(), TRANSPARENT);
        SetBkColor(dc.Get(), RGB(12, 34, 56));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(dialog_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                         reinterpret_cast<LPARAM>(Item(c.id))));
        ASSERT_NE(nullptr, brush);
        EXPECT_EQ(OPAQUE, GetBkMode(dc.Get()));
        EXPECT_EQ(c.background, GetBkColor(dc.Get()));
        LOGBRUSH shown{};
        ASSERT_EQ(static_cast<int>(sizeof shown), GetObjectA(brush, sizeof shown, &shown));
        EXPECT_EQ(c.background, shown.lbColor) << "the text cell and the field differ";
    }
}

struct FindTooltip {
    HWND owner;
    HWND tooltip;
};

BOOL CALLBACK FindOwnedTooltip(HWND window, LPARAM context)
{
    FindTooltip& find = *reinterpret_cast<FindTooltip*>(context);
    if (test::ClassOf(window) == TOOLTIPS_CLASSA && GetWindow(window, GW_OWNER) == find.owner) {
        find.tooltip = window;
        return FALSE;
    }
    return TRUE;
}

// The tooltip window the dialog made, and the tip text of each control it serves.
std::map<int, std::string> TipsOf(HWND dialog)
{
    FindTooltip find{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedTooltip, reinterpret_cast<LPARAM>(&find));
    std::map<int, std::string> tips;
    if (!find.tooltip)
        return tips;
    const LRESULT count = SendMessageA(find.tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.lpszText = text;
        if (SendMessageA(find.tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool)))
            tips[GetDlgCtrlID(reinterpret_cast<HWND>(tool.uId))] = text;
    }
    return tips;
}

TEST_F(SettingsDialogTest, TipsSitOnTheArrowsAndButtonsButNotOnTheFieldsOrTheSecondKindList)
{
    Open();
    const std::map<int, std::string> tips = TipsOf(dialog_);
    EXPECT_EQ(23u, tips.size());
    const struct {
        int id;
        const char* text;
    } shown[] = {
        {kFramesUpDownIds[0], "原稿幕の製作枚数を設定します"},
        {kCornerUpDownIds[0], "幕に対するカドの丸め具合を設定します"},
        {kFormWidthUpDownId, "フォームの幅を設定します"},
        {kWidthUpDownIds[1], "幕の幅を設定します"},
        {kKindListIds[0], "幕の種類を選択します"},
        {kPictureDeleteIds[1], "現在の幕画像を削除します"},
        {kCopyTemplateIds[1], "上のサイズをもとに原稿用画像をコピーします"},
    };
    for (const auto& s : shown) {
        const auto tip = tips.find(s.id);
        ASSERT_NE(tips.end(), tip) << s.id;
        EXPECT_EQ(s.text, tip->second) << s.id;
    }
    for (int id : {kKindListIds[1], kFramesEditIds[0], kFormWidthEditId, kBackgroundPathId, kCloseId, kHelpId})
        EXPECT_EQ(0u, tips.count(id)) << id;
}

TEST_F(SettingsDialogTest, OpeningAndClosingLeavesNoGdiObjectBehind)
{
    Open();
    Close();  // the first opening may fill the system's caches
    const DWORD before = test::GdiObjectCount();
    for (int round = 0; round < 3; ++round) {
        Open();
        Close();
    }
    EXPECT_EQ(before, test::GdiObjectCount());
}

}  // namespace
}  // namespace rolva
