// The Form's commands on the real windows: file dialogs are refused silently while a sign rolls
// and shown once both are still, with the control panel disabled meanwhile; the exit question
// answered No leaves everything running.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "SharedState.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "app/Commands.h"
#include "app/MenuIds.h"
#include "app/WindowPlacement.h"
#include "display/RollAnimation.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"

namespace rolva {
namespace {

// Notes whether the control panel was enabled when the first standard dialog (a file dialog or
// a message box) was created on this thread: the hook runs inside the modal call itself.
class PanelStateAtDialog {
public:
    PanelStateAtDialog()
    {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~PanelStateAtDialog()
    {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    PanelStateAtDialog(const PanelStateAtDialog&) = delete;
    PanelStateAtDialog& operator=(const PanelStateAtDialog&) = delete;

    bool SawDialog() const { return saw_; }
    bool PanelWasEnabled() const { return panelEnabled_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && current_ && !current_->saw_ &&
            test::ClassOf(reinterpret_cast<HWND>(wParam)) == "#32770") {
            current_->saw_ = true;
            current_->panelEnabled_ = IsWindowEnabled(gApp.controlPanel) != FALSE;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static PanelStateAtDialog* current_;
    HHOOK hook_ = nullptr;
    bool saw_ = false;
    bool panelEnabled_ = true;
};

PanelStateAtDialog* PanelStateAtDialog::current_ = nullptr;

// Refuses, and counts, every window created with the Form as its owner while it lives: a modal
// window that a guard should have kept from opening is then never made, and the test cannot hang
// in its loop.
class OwnedWindowRefuser {
public:
    OwnedWindowRefuser()
    {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~OwnedWindowRefuser()
    {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    OwnedWindowRefuser(const OwnedWindowRefuser&) = delete;
    OwnedWindowRefuser& operator=(const OwnedWindowRefuser&) = delete;

    int Refused() const { return refused_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && current_) {
            const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            if (create->hwndParent == gApp.form && (create->style & WS_CHILD) == 0) {
                ++current_->refused_;
                return 1;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static OwnedWindowRefuser* current_;
    HHOOK hook_ = nullptr;
    int refused_ = 0;
};

OwnedWindowRefuser* OwnedWindowRefuser::current_ = nullptr;

class CommandsTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        for (int sign = 0; sign < kSignCount; ++sign) {
            kinds_[sign] = gDocument.signs[sign].kind;
            speedTexts_[sign] = PanelText(kSpeedEditIds[sign]);
            gDocument.signs[sign].kind = static_cast<std::uint8_t>(SignKind::Roll);
        }
        focus_ = GetFocus();
    }

    void TearDown() override
    {
        for (int sign = 0; sign < kSignCount; ++sign) {
            ResetSign(sign);
            gDocument.signs[sign].kind = kinds_[sign];
            SetPanelText(kSpeedEditIds[sign], speedTexts_[sign]);
            SetPanelText(kNumberDisplayIds[sign], "0");
        }
        gApp.panelRecord.Enable(1);
        if (IsWindow(focus_))
            SetFocus(focus_);
        test::PumpMessages();
    }

    // Five frames at 100 ms a pixel: half a minute, far longer than any message box takes to
    // answer; the reset stops it at once.
    static void StartSlowRoll(int sign)
    {
        SetPanelText(kSpeedEditIds[sign], "100");
        SetPanelText(kNumberDisplayIds[sign], "5");
        StartSign(sign);
    }

private:
    std::uint8_t kinds_[kSignCount] = {};
    std::string speedTexts_[kSignCount];
    HWND focus_ = nullptr;
};

TEST_F(CommandsTest, RollThreadsIdleIsFalseWhileEitherSignRolls)
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        SCOPED_TRACE(sign);
        EXPECT_TRUE(RollThreadsIdle());
        StartSlowRoll(sign);
        EXPECT_FALSE(RollThreadsIdle());
        ResetSign(sign);
        EXPECT_TRUE(RollThreadsIdle());
    }
}

TEST_F(CommandsTest, FileCommandsShowNothingWhileASignRollsButExitStillAsks)
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        SCOPED_TRACE(sign);
        StartSlowRoll(sign);
        {
            test::DialogAnswerer answer(IDCANCEL);
            RunCommand(kCommandSaveAs);
            RunCommand(kCommandOpen);
            EXPECT_TRUE(answer.SeenSoFar().empty());
        }
        EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
        {
            test::DialogAnswerer answer(IDNO);
            RunCommand(kCommandExit);
            const auto seen = answer.SeenSoFar();
            ASSERT_EQ(1u, seen.size());
            EXPECT_EQ("終了の確認", seen[0].caption);
        }
        EXPECT_TRUE(IsRolling(sign));
        ResetSign(sign);
    }
}

TEST_F(CommandsTest, SettingsAndAboutOpenNothingWhileASignRolls)
{
    for (int command : {kCommandSettings, kCommandAbout}) {
        SCOPED_TRACE(command);
        {
            OwnedWindowRefuser refuser;
            RunCommand(command);
            EXPECT_EQ(1, refuser.Refused()) << "the window would open while still";
        }
        test::PumpMessages();
        StartSlowRoll(1);
        {
            OwnedWindowRefuser refuser;
            RunCommand(command);
            EXPECT_EQ(0, refuser.Refused()) << "the window would open while a sign rolls";
        }
        EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
        EXPECT_TRUE(IsWindowEnabled(gApp.form));
        ResetSign(1);
    }
}

TEST_F(CommandsTest, FileDialogsOpenOnceIdleWithThePanelDisabledMeanwhile)
{
    struct Case {
        int command;
        const char* title;
    };
    const Case cases[] = {{kCommandOpen, "ファイルを開く"}, {kCommandSaveAs, "名前をつけて保存"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        StartSlowRoll(0);
        ResetSign(0);  // a roll that has ended no longer refuses the command
        SetFocus(gApp.form);

        PanelStateAtDialog panel;
        test::DialogAnswerer answer(IDCANCEL);
        RunCommand(c.command);
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(c.title, seen[0].caption);
        ASSERT_TRUE(panel.SawDialog());
        EXPECT_FALSE(panel.PanelWasEnabled());
        EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
        EXPECT_EQ(gApp.controlPanel, GetFocus());
    }
}

TEST_F(CommandsTest, ExitAnsweredNoLeavesEverythingRunning)
{
    const std::string settings = test::SettingsFileOfThisProgram();
    for (bool fromClose : {false, true}) {
        SCOPED_TRACE(fromClose ? "close box" : "menu");
        DeleteFileA(settings.c_str());
        StartSlowRoll(0);

        PanelStateAtDialog panel;
        test::DialogAnswerer answer(IDNO);
        const bool refused = ConfirmExit(fromClose);
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("終了の確認", seen[0].caption);
        EXPECT_EQ("Rolvaを終了します。よろしいですか？", seen[0].text);
        EXPECT_TRUE(refused);
        ASSERT_TRUE(panel.SawDialog());
        EXPECT_FALSE(panel.PanelWasEnabled());

        EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
        EXPECT_EQ(gApp.controlPanel, GetFocus());
        EXPECT_TRUE(IsRolling(0)) << "the roll goes on";
        EXPECT_TRUE(IsWindowVisible(gApp.form));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(settings.c_str())) << "no settings file written";
        ResetSign(0);
    }
}

// A guarded command greys the panel while it runs and gives it back on every path: running out
// of memory (a long clip at twice the size) stops it with a message, and any other failure goes
// on to the caller with the panel given back all the same.
TEST(GuardedCommand, ThePanelComesBackOnEveryPath)
{
    {
        test::DialogAnswerer answer(IDOK);
        bool greyedMeanwhile = false;
        RunGuarded([&greyedMeanwhile] {
            greyedMeanwhile = !IsWindowEnabled(gApp.controlPanel);
            throw std::bad_alloc();
        });
        EXPECT_TRUE(greyedMeanwhile);
        EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("メモリーが足りないため、中止しました。", seen[0].text);
    }
    EXPECT_THROW(RunGuarded([] { throw std::runtime_error("a failure of another kind"); }), std::runtime_error);
    EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
}

}  // namespace
}  // namespace rolva
