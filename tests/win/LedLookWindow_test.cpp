// The LED look window over the settings dialog: its button answers only for an LED-style sign,
// and each field it has goes to the sign's slot, brought into range, and shows on the sign.
#include <windows.h>

#include <commctrl.h>
#include <colordlg.h>

#include <functional>
#include <string>

#include "SettingsFixture.h"
#include "TestSupport.h"
#include "app/NamedWindows.h"
#include "base/WindowRegistry.h"
#include "display/LedSign.h"
#include "document/SignDocument.h"
#include "scene/DocumentApply.h"
#include "settings/LedLookIds.h"
#include "settings/SettingsIds.h"

namespace rolva {
namespace {

using test::PumpMessages;
using test::SettingsDialogTest;

constexpr auto kRoll = static_cast<std::uint8_t>(SignKind::Roll);
constexpr auto kLed = static_cast<std::uint8_t>(SignKind::Led);
constexpr auto kHidden = static_cast<std::uint8_t>(SignKind::Hidden);

TEST_F(SettingsDialogTest, LedLookButtonAnswersExactlyWhileItsSignIsLedStyle)
{
    const struct {
        std::uint8_t kinds[kSignCount];
    } opened[] = {{{kRoll, kLed}}, {{kLed, kRoll}}, {{kLed, kHidden}}, {{kRoll, kRoll}}};
    for (const auto& c : opened) {
        for (int sign = 0; sign < kSignCount; ++sign)
            gDocument.signs[sign].kind = c.kinds[sign];
        Open();
        for (int sign = 0; sign < kSignCount; ++sign)
            EXPECT_EQ(c.kinds[sign] == kLed, IsWindowEnabled(Item(kLedLookIds[sign])) != FALSE)
                << "sign " << sign << " of kind " << int(c.kinds[sign]);
        Close();
    }

    // Chosen in the kind lists while the dialog is open.
    gDocument.signs[0].kind = kRoll;
    gDocument.signs[1].kind = kRoll;
    Open();
    const struct {
        int sign;
        int chosen;
        bool enabled[kSignCount];
    } chosen[] = {{0, kLed, {true, false}}, {1, kLed, {true, true}}, {0, kRoll, {false, true}}, {1, kHidden, {false, false}}};
    test::DialogAnswerer answer(IDOK);
    for (const auto& c : chosen) {
        ChooseKind(c.sign, c.chosen);
        for (int sign = 0; sign < kSignCount; ++sign)
            EXPECT_EQ(c.enabled[sign], IsWindowEnabled(Item(kLedLookIds[sign])) != FALSE)
                << "sign " << sign << " after choosing " << c.chosen << " for sign " << c.sign;
    }
}

// The first sign LED-style on a folder of one picture, the settings dialog and the look window
// open over it.
class LedLookWindowTest : public SettingsDialogTest {
protected:
    void SetUp() override
    {
        folder_ = test::FreshTempFolder("rolva-led-look-test");
        test::WriteSolidBmp(folder_ + "\\001.bmp", 8, 4, RGB(255, 0, 0));
        SignSlot& slot = gDocument.signs[0];
        slot.kind = kLed;
        slot.picturePath = folder_;
        slot.liveLook = SignLiveLook{};
        SwitchLedFrame(0, 0);
        Open();
        look_ = CreateModalWindow(dialog_, "LedLook", 0);
        PumpMessages();
    }

    void TearDown() override
    {
        if (IsWindow(look_))
            SendMessageA(look_, WM_CLOSE, 0, 0);
        PumpMessages();
        SettingsDialogTest::TearDown();
        ClearSignPicture(0);
        gDocument.signs[0].pictureBitmap.Reset();
        ReleaseLedFolderWatches();
        test::RemoveTree(folder_);
    }

    HWND LookItem(int id) const { return GetDlgItem(look_, id); }

    std::string folder_;
    HWND look_ = nullptr;
};

// Answers the colour chooser over the look window with a colour typed into its boxes.
struct ColourAnswer {
    static HWND owner;
    static int red, green, blue;
    static bool answered;

    static BOOL CALLBACK Find(HWND window, LPARAM found)
    {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0 && GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD)
    {
        HWND chooser = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), Find, reinterpret_cast<LPARAM>(&chooser));
        if (!chooser)
            return;
        KillTimer(nullptr, timer);
        SetDlgItemInt(chooser, COLOR_RED, red, FALSE);
        SetDlgItemInt(chooser, COLOR_GREEN, green, FALSE);
        SetDlgItemInt(chooser, COLOR_BLUE, blue, FALSE);
        answered = true;
        SendMessageA(GetDlgItem(chooser, IDOK), BM_CLICK, 0, 0);
    }
};
HWND ColourAnswer::owner = nullptr;
int ColourAnswer::red = 0;
int ColourAnswer::green = 0;
int ColourAnswer::blue = 0;
bool ColourAnswer::answered = false;

TEST_F(LedLookWindowTest, EachFieldGoesToTheSlotInRangeAndShowsOnTheSign)
{
    ASSERT_NE(nullptr, look_);
    EXPECT_EQ("2.5", test::TextOf(LookItem(kLookPageTimeEditId)));
    EXPECT_EQ("60", test::TextOf(LookItem(kLookSpeedEditId)));
    EXPECT_EQ("3", test::TextOf(LookItem(kLookPitchEditId)));
    EXPECT_FALSE(IsWindowEnabled(LookItem(kLookPitchEditId)));  // no dots yet

    const auto type = [this](int id, const char* text) {
        return [this, id, text] { SetWindowTextA(LookItem(id), text); };
    };
    const auto arrow = [this](int id, bool up) { return [this, id, up] { test::ClickArrow(LookItem(id), up); }; };
    const auto click = [this](int id) { return [this, id] { SendMessageA(LookItem(id), BM_CLICK, 0, 0); }; };
    const auto has = [](std::function<void(SignLiveLook&)> change) {
        SignLiveLook look = gDocument.signs[0].liveLook;
        change(look);
        return look;
    };
    // Each step starts from the look the steps before it left.
    const struct {
        const char* what;
        std::function<void()> act;
        std::function<void(SignLiveLook&)> expected;
        bool readAgain;  // the pictures loaded anew: only the dot look needs that
    } steps[] = {
        {"page time typed", type(kLookPageTimeEditId, "4.2"), [](SignLiveLook& l) { l.pageTimeMs = 4200; }, false},
        {"page time up", arrow(kLookPageTimeUpDownId, true), [](SignLiveLook& l) { l.pageTimeMs = 4300; }, false},
        {"page time too short", type(kLookPageTimeEditId, "0.01"), [](SignLiveLook& l) { l.pageTimeMs = kMinPageTimeMs; }, false},
        {"page time no number", type(kLookPageTimeEditId, "x"), [](SignLiveLook&) {}, false},
        {"speed typed", type(kLookSpeedEditId, "120"), [](SignLiveLook& l) { l.scrollSpeed = 120; }, false},
        {"speed too fast", type(kLookSpeedEditId, "5000"), [](SignLiveLook& l) { l.scrollSpeed = kMaxScrollSpeed; }, false},
        {"speed down", arrow(kLookSpeedUpDownId, false), [](SignLiveLook& l) { l.scrollSpeed = kMaxScrollSpeed - 1; }, false},
        {"dots on", click(kLookDotsId), [](SignLiveLook& l) { l.dotLook = true; }, true},
        {"pitch typed", type(kLookPitchEditId, "9"), [](SignLiveLook& l) { l.dotPitch = 9; }, true},
        {"pitch too wide", type(kLookPitchEditId, "40"), [](SignLiveLook& l) { l.dotPitch = kMaxDotPitch; }, true},
        {"pitch same again", type(kLookPitchEditId, "16"), [](SignLiveLook&) {}, false},
        {"square dots", click(kLookSquareId), [](SignLiveLook& l) { l.roundDots = false; }, true},
        {"round dots", click(kLookRoundId), [](SignLiveLook& l) { l.roundDots = true; }, true},
        {"glow off", click(kLookGlowId), [](SignLiveLook& l) { l.glow = false; }, true},
        {"dots off", click(kLookDotsId), [](SignLiveLook& l) { l.dotLook = false; }, true},
    };
    for (const auto& step : steps) {
        const SignLiveLook expected = has(step.expected);
        const HBITMAP before = gDocument.signs[0].pictureBitmap.Get();
        step.act();
        PumpMessages(1);
        EXPECT_TRUE(expected == gDocument.signs[0].liveLook) << step.what;
        EXPECT_EQ(step.readAgain, gDocument.signs[0].pictureBitmap.Get() != before) << step.what;
        EXPECT_NE(nullptr, gDocument.signs[0].pictureBitmap.Get()) << step.what;
    }
    EXPECT_FALSE(IsWindowEnabled(LookItem(kLookPitchEditId)));

    ColourAnswer::owner = look_;
    ColourAnswer::red = 0x12;
    ColourAnswer::green = 0x34;
    ColourAnswer::blue = 0x56;
    ColourAnswer::answered = false;
    const HBITMAP before = gDocument.signs[0].pictureBitmap.Get();
    SetTimer(nullptr, 0, 50, ColourAnswer::Tick);
    SendMessageA(LookItem(kLookGapColourId), BM_CLICK, 0, 0);
    PumpMessages(1);
    EXPECT_TRUE(ColourAnswer::answered);
    EXPECT_EQ(0x123456u, gDocument.signs[0].liveLook.gapColour);
    EXPECT_NE(before, gDocument.signs[0].pictureBitmap.Get());
}

}  // namespace
}  // namespace rolva
