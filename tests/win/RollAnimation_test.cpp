// Roll signs on the real windows: a roll reaches its frame, keys follow the roll, 強 stops at
// once (even in the middle of a long pause), and the thread's exit codes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <functional>

#include "SharedState.h"
#include "TestSupport.h"
#include "base/WindowRegistry.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/Keypad.h"
#include "panel/SignRequests.h"

namespace rolva {
namespace {

int PictureTop(int sign)
{
    RECT rc{};
    GetWindowRect(SignPictureHandle(sign), &rc);
    POINT corner{rc.left, rc.top};
    ScreenToClient(SignFrameHandle(sign), &corner);
    return corner.y;
}

// Pumps until the sign stops rolling or the limit passes; true when it stopped.
bool WaitForRollEnd(int sign, DWORD limitMs = 10000)
{
    const DWORD start = GetTickCount();
    while (IsRolling(sign)) {
        if (GetTickCount() - start > limitMs)
            return false;
        HANDLE thread = gDocument.signs[sign].rollThread.Get();
        // Wakes for the thread's end or for the window calls it makes meanwhile.
        if (MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0)
            continue;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    test::PumpMessages(1);  // the roll's end, posted to the panel, gives back the keys
    return true;
}

class RollTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        for (int sign = 0; sign < kSignCount; ++sign) {
            gDocument.signs[sign].kind = static_cast<std::uint8_t>(SignKind::Roll);
            ResetSign(sign);
        }
    }

    void TearDown() override
    {
        for (int sign = 0; sign < kSignCount; ++sign) {
            gDocument.signs[sign].kind = static_cast<std::uint8_t>(SignKind::Roll);
            ResetSign(sign);
            SetPanelText(kSpeedEditIds[sign], "0");
            SetPanelText(kIntervalEditIds[sign], "0");
            SetPanelText(kNumberDisplayIds[sign], "0");
            gDocument.signs[sign].keypadEntry.clear();
        }
    }

    static void Ask(int sign, const char* frame, const char* speed, const char* interval)
    {
        SetPanelText(kNumberDisplayIds[sign], frame);
        SetPanelText(kSpeedEditIds[sign], speed);
        SetPanelText(kIntervalEditIds[sign], interval);
    }

    static bool KeyEnabled(int id) { return IsWindowEnabled(PanelControl(id)) != FALSE; }
};

// Rolls one after another, each from where the one before left its sign: the fields as they
// show, the frame reached, the strip's place, the thread's exit code, and the keys free again.
TEST_F(RollTest, EachRollEndsAtItsFrameWithItsSignsExitCode)
{
    const struct {
        int sign;
        const char* frame;
        const char* speed;
        const char* interval;
        int frameReached;
    } rolls[] = {
        {0, "0", "0", "0", 0},  // the frame it shows: ends at once without moving
        {0, "3", "0", "0", 3},  // down
        {0, "1", "0", "0", 1},  // back up
        {1, "2", "1", "3", 2},  // the second sign, with a speed and an interval
    };
    for (const auto& r : rolls) {
        SCOPED_TRACE(testing::Message() << "sign " << r.sign << " to " << r.frame);
        const SignSlot& slot = gDocument.signs[r.sign];
        Ask(r.sign, r.frame, r.speed, r.interval);
        StartSign(r.sign);
        EXPECT_EQ(std::atoi(r.speed), slot.speed);
        EXPECT_EQ(std::atoi(r.interval), slot.interval);
        EXPECT_EQ(r.frameReached, slot.targetFrame);
        ASSERT_TRUE(WaitForRollEnd(r.sign));
        EXPECT_EQ(-r.frameReached * 57, PictureTop(r.sign));
        EXPECT_EQ(-r.frameReached * 57, slot.scrollOffset);
        EXPECT_EQ(r.frameReached, slot.currentFrame);
        EXPECT_EQ(static_cast<DWORD>(r.sign + 1), slot.rollThreadExitCode);
        EXPECT_TRUE(KeyEnabled(kOnKeyIds[r.sign]));
        EXPECT_TRUE(KeyEnabled(kDigitKeyFirstIds[r.sign]));
    }
}

TEST_F(RollTest, KeysOfTheRollingSignAreDisabledExceptReset)
{
    Ask(0, "5", "20", "0");
    StartSign(0);
    // The roll's first move waits for this thread to take its window call: look once it moves.
    ASSERT_TRUE(test::PumpUntil([] { return PictureTop(0) <= -2; }));
    ASSERT_TRUE(IsRolling(0));
    for (int id : {kDigitKeyFirstIds[0], kDigitKeyFirstIds[0] + 9, kOnKeyIds[0], kClearKeyIds[0], kForwardKeyIds[0],
                   kBackKeyIds[0], kSpeedEditIds[0], kIntervalEditIds[0], kSpeedUpDownIds[0], kIntervalUpDownIds[0]})
        EXPECT_FALSE(KeyEnabled(id)) << id;
    EXPECT_TRUE(KeyEnabled(kResetKeyIds[0]));
    EXPECT_TRUE(KeyEnabled(kOnKeyIds[1])) << "the other sign keeps its keys";

    const HANDLE rollingThread = gDocument.signs[0].rollThread.Get();
    SetPanelText(kNumberDisplayIds[0], "2");
    StartSign(0);  // dropped while rolling
    EXPECT_EQ(rollingThread, gDocument.signs[0].rollThread.Get()) << "a second roll started";
    EXPECT_EQ(5, gDocument.signs[0].targetFrame) << "the running roll was redirected";
    HWND on = PanelControl(kOnKeyIds[0]);  // an ON that reaches the panel although the key is grey
    SendMessageA(GetParent(on), WM_COMMAND, MAKEWPARAM(kOnKeyIds[0], BN_CLICKED), reinterpret_cast<LPARAM>(on));
    EXPECT_EQ(rollingThread, gDocument.signs[0].rollThread.Get()) << "ON started a second roll";
    EXPECT_EQ(5, gDocument.signs[0].targetFrame);
    ResetSign(0);
    EXPECT_FALSE(IsRolling(0));
    EXPECT_TRUE(KeyEnabled(kOnKeyIds[0]));
}

// The keys come back through the panel's own queue: the end of an earlier roll, arriving late,
// leaves a later roll's keys grey, and the end of the running roll gives them back.
TEST_F(RollTest, OnlyTheRunningRollsEndGivesBackTheKeys)
{
    Ask(0, "1", "0", "0");
    StartSign(0);
    ASSERT_TRUE(WaitForRollEnd(0));
    Ask(0, "6", "30", "0");
    StartSign(0);
    ASSERT_TRUE(IsRolling(0));
    ASSERT_FALSE(KeyEnabled(kOnKeyIds[0]));

    struct Case {
        const char* what;
        int sign;
        LPARAM roll;
        bool keysBack;
    };
    // Roll numbers count up by one per start, so the running roll's is one more than the last.
    LPARAM running = 0;
    while (!IsLatestRoll(0, running))
        ++running;
    const Case cases[] = {
        {"an earlier roll's end", 0, running - 1, false},
        {"the other sign's end", 1, running, false},
        {"the running roll's end", 0, running, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PostMessageA(gApp.controlPanel, kRollEndedMessage, static_cast<WPARAM>(c.sign), c.roll);
        test::PumpMessages(1);
        EXPECT_EQ(c.keysBack, KeyEnabled(kOnKeyIds[0]));
    }
    ResetSign(0);
}

TEST_F(RollTest, ResetStopsAtOnceAndNoStepFollows)
{
    Ask(0, "5", "20", "0");
    StartSign(0);
    ASSERT_TRUE(test::PumpUntil([] { return PictureTop(0) <= -3; }));
    ResetSign(0);
    EXPECT_EQ(0, PictureTop(0));
    EXPECT_EQ("", PanelText(kNumberDisplayIds[0]));
    EXPECT_EQ(0, gDocument.signs[0].currentFrame);
    EXPECT_EQ(0, gDocument.signs[0].scrollOffset);
    EXPECT_EQ(0, gDocument.signs[0].targetFrame);
    EXPECT_EQ(1u, gDocument.signs[0].rollThreadExitCode);
    // The thread has ended, so only window calls it left queued could still move the picture.
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(gDocument.signs[0].rollThread.Get(), 0));
    test::PumpMessages();
    EXPECT_EQ(0, PictureTop(0)) << "the roll went on after the reset";
}

TEST_F(RollTest, ResetDuringALongPauseDoesNotWaitItOut)
{
    Ask(1, "2", "0", "5000");
    StartSign(1);
    ASSERT_TRUE(test::PumpUntil([] { return PictureTop(1) == -57; }));
    const DWORD start = GetTickCount();
    ResetSign(1);
    EXPECT_LT(GetTickCount() - start, 2000u) << "the reset waited for the pause";
    EXPECT_FALSE(IsRolling(1));
    EXPECT_EQ(2u, gDocument.signs[1].rollThreadExitCode);
    EXPECT_EQ(0, PictureTop(1));
}

TEST_F(RollTest, BothSignsRollAtOnceAndEachFreesOnlyItsOwnKeys)
{
    Ask(0, "1", "0", "0");
    Ask(1, "4", "15", "0");
    StartSign(1);
    StartSign(0);
    ASSERT_TRUE(WaitForRollEnd(0));
    EXPECT_TRUE(KeyEnabled(kOnKeyIds[0]));
    EXPECT_TRUE(IsRolling(1));
    EXPECT_FALSE(KeyEnabled(kOnKeyIds[1]));
    ASSERT_TRUE(WaitForRollEnd(1));
    EXPECT_EQ(-57, PictureTop(0));
    EXPECT_EQ(-4 * 57, PictureTop(1));
}

TEST_F(RollTest, HiddenSecondSignIgnoresOnButHiddenKindOnTheFirstRolls)
{
    gDocument.signs[1].kind = static_cast<std::uint8_t>(SignKind::Hidden);
    Ask(1, "2", "0", "0");
    StartSign(1);
    EXPECT_FALSE(IsRolling(1));
    EXPECT_EQ(0, PictureTop(1));

    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Hidden);
    Ask(0, "1", "0", "0");
    StartSign(0);
    ASSERT_TRUE(WaitForRollEnd(0));
    EXPECT_EQ(-57, PictureTop(0));
}

TEST_F(RollTest, ZeroHighFrameMovesNothingButTakesTheFrame)
{
    SetSignHeight(0, 0);
    Ask(0, "4", "0", "0");
    StartSign(0);
    ASSERT_TRUE(WaitForRollEnd(0));
    EXPECT_EQ(0, PictureTop(0));
    EXPECT_EQ(4, gDocument.signs[0].currentFrame);
    SetSignHeight(0, 57);
}

TEST_F(RollTest, TypedThreeAndOnThenBackStepsOneFrameUp)
{
    SetPanelText(kSpeedEditIds[0], "0");
    PressClearKey(0);
    PressDigitKey(0, 3);
    StartSign(0);
    ASSERT_TRUE(WaitForRollEnd(0));
    EXPECT_EQ(-3 * 57, PictureTop(0));
    EXPECT_EQ(3, gDocument.signs[0].currentFrame);
    PressBackKey(0);
    EXPECT_EQ("2", PanelText(kNumberDisplayIds[0]));
    ASSERT_TRUE(WaitForRollEnd(0));
    EXPECT_EQ(-2 * 57, PictureTop(0));
}

TEST_F(RollTest, SpeedAndIntervalAtTheirLimitsAreTakenAsTheFieldsShowThem)
{
    SendMessageA(PanelControl(kSpeedUpDownIds[0]), UDM_SETPOS, 0, MAKELPARAM(1000, 0));
    SendMessageA(PanelControl(kIntervalUpDownIds[0]), UDM_SETPOS, 0, MAKELPARAM(5000, 0));
    EXPECT_EQ("1000", PanelText(kSpeedEditIds[0]));
    EXPECT_EQ("5000", PanelText(kIntervalEditIds[0]));
    SetPanelText(kNumberDisplayIds[0], "1");
    StartSign(0);
    EXPECT_EQ(1000, gDocument.signs[0].speed) << "the roll would step every millisecond";
    EXPECT_EQ(5000, gDocument.signs[0].interval);
    ResetSign(0);
    SendMessageA(PanelControl(kSpeedUpDownIds[0]), UDM_SETPOS, 0, 0);
    SendMessageA(PanelControl(kIntervalUpDownIds[0]), UDM_SETPOS, 0, 0);
}

// The strip rests at each frame boundary for the interval, the last boundary included. Only
// lower bounds on time: a busy machine can make a roll longer, never shorter.
TEST_F(RollTest, IntervalPausesFallAfterEveryWholeFrame)
{
    gDocument.signs[0].currentFrame = 3;
    gDocument.signs[0].scrollOffset = -3 * 57;
    SetWindowPos(SignPictureHandle(0), nullptr, 0, -3 * 57, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Ask(0, "1", "0", "600");
    const DWORD start = GetTickCount();
    StartSign(0);
    ASSERT_TRUE(test::PumpUntil([] { return PictureTop(0) == -2 * 57; }));
    const DWORD atBoundary = GetTickCount();
    while (GetTickCount() - atBoundary < 300)
        test::PumpMessages(1);
    EXPECT_EQ(-2 * 57, PictureTop(0)) << "no pause at the first frame boundary";
    ASSERT_TRUE(WaitForRollEnd(0));
    EXPECT_EQ(-57, PictureTop(0));
    EXPECT_GE(GetTickCount() - start, 2u * 600 - 20) << "two pauses: after 57 and after 114 pixels";
}

TEST_F(RollTest, ManyRollsLeakNoGdiObjectOrHandle)
{
    Ask(0, "1", "0", "0");
    StartSign(0);
    WaitForRollEnd(0);
    ResetSign(0);
    const DWORD gdiBefore = test::GdiObjectCount();
    const DWORD handlesBefore = test::HandleCount();
    ASSERT_GT(handlesBefore, 0u) << "the handle count must be real to show a leak";
    for (int roll = 0; roll < 500; ++roll) {
        Ask(0, roll % 2 ? "0" : "1", "0", "0");
        SetSignHeight(0, 2);
        StartSign(0);
        ASSERT_TRUE(WaitForRollEnd(0));
    }
    SetSignHeight(0, 57);
    EXPECT_LE(test::GdiObjectCount(), gdiBefore + test::kGdiSlack);
    EXPECT_LE(test::HandleCount(), handlesBefore + test::kHandleSlack);
}

}  // namespace
}  // namespace rolva
