// Keyboard use of the control panel, fed through the message loop's hook as the loop would.
#include <gtest/gtest.h>

#include "SharedState.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "display/RollAnimation.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/PanelKeyboard.h"
#include "panel/SignRequests.h"

namespace rolva {
namespace {

bool Key(HWND target, UINT message, WPARAM key)
{
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = key;
    return PanelHandleKeyboard(msg);
}

int FocusedId() { return GetDlgCtrlID(GetFocus()); }

class PanelKeyboardTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        EnableWindow(gApp.form, TRUE);
        EnableWindow(gApp.controlPanel, TRUE);
        SetForegroundWindow(gApp.controlPanel);
        SetFocus(gApp.controlPanel);
        SetPanelText(kNumberDisplayIds[0], "0");
    }
    void TearDown() override
    {
        for (int sign = 0; sign < 2; ++sign) {
            ResetSign(sign);
            SetPanelText(kNumberDisplayIds[sign], "0");
            SetPanelText(kSpeedEditIds[sign], "0");
        }
        gDocument.signs[0].keypadEntry.clear();
        gApp.panelRecord.SetWidth(kPanelWidthBoth);
    }
};

TEST_F(PanelKeyboardTest, TabWalksTheKeypadRowByRowAndShiftTabWalksBack)
{
    EXPECT_TRUE(Key(gApp.controlPanel, WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(kResetKeyIds[0], FocusedId()) << "the first key of the round";
    Key(GetFocus(), WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(kDigitKeyFirstIds[0] + 7, FocusedId());
    Key(GetFocus(), WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(kDigitKeyFirstIds[0] + 8, FocusedId());

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Key(GetFocus(), WM_KEYDOWN, VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(kDigitKeyFirstIds[0] + 7, FocusedId());
}

TEST_F(PanelKeyboardTest, EnterPressesTheFocusedKeyLikeAClick)
{
    HWND five = PanelControl(kDigitKeyFirstIds[0] + 5);
    SetFocus(five);
    EXPECT_TRUE(Key(five, WM_KEYDOWN, VK_RETURN));
    EXPECT_EQ("5", PanelText(kNumberDisplayIds[0]));
    EXPECT_TRUE(Key(five, WM_CHAR, '\r')) << "the Enter character is swallowed";
}

TEST_F(PanelKeyboardTest, KeysOfARollingSignAreSkippedAndCannotBePressed)
{
    SetPanelText(kSpeedEditIds[0], "20");
    SetPanelText(kNumberDisplayIds[0], "9");
    HWND on = PanelControl(kOnKeyIds[0]);
    SetFocus(on);
    Key(on, WM_KEYDOWN, VK_RETURN);
    ASSERT_TRUE(IsRolling(0));

    HWND two = PanelControl(kDigitKeyFirstIds[0] + 2);
    EXPECT_TRUE(Key(two, WM_KEYDOWN, VK_SPACE)) << "Space on a disabled key is swallowed";
    EXPECT_TRUE(Key(two, WM_KEYDOWN, VK_RETURN));
    EXPECT_EQ("9", PanelText(kNumberDisplayIds[0]));

    SetFocus(PanelControl(kResetKeyIds[0]));
    Key(GetFocus(), WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(kResetKeyIds[1], FocusedId()) << "past every disabled key and field of the rolling sign";
}

TEST_F(PanelKeyboardTest, TheNarrowPanelKeepsTheFocusInTheFirstColumn)
{
    gApp.panelRecord.SetWidth(kPanelWidthFirstOnly);
    SetFocus(PanelControl(kIntervalEditIds[0]));
    Key(GetFocus(), WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(kResetKeyIds[0], FocusedId()) << "wraps to the first sign, not into the cut-off column";
}

TEST_F(PanelKeyboardTest, MessagesOfOtherWindowsPassThrough)
{
    EXPECT_FALSE(Key(gApp.form, WM_KEYDOWN, VK_TAB));
    EXPECT_FALSE(Key(PanelControl(kDigitKeyFirstIds[0]), WM_KEYDOWN, 'A'));
}

}  // namespace
}  // namespace rolva
