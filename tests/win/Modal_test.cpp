// The nested loop of a modal window: its own end leaves nothing behind, while a quit that is
// not its own (the program ending under it) ends the run and reaches the loop outside; a close
// request answered No while it runs leaves the panel as the modal window wants it.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/Commands.h"
#include "app/NamedWindows.h"
#include "base/Modal.h"
#include "info/AboutIds.h"

namespace rolva {
namespace {

enum class Inside { PressOk, ProgramEnds, CloseAnsweredNo };
Inside gInside = Inside::PressOk;
bool gPanelEnabledAfterNo = true;
bool gAboutStoodAfterNo = false;

void CALLBACK ActInside(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND about = gApp.about;
    switch (gInside) {
    case Inside::PressOk:
        break;
    case Inside::ProgramEnds:
        // What the Form's destruction does to the window it owns, and then its quit.
        DestroyWindow(about);
        PostQuitMessage(7);
        return;
    case Inside::CloseAnsweredNo: {
        test::DialogAnswerer answer(IDNO);
        SendMessageA(gApp.form, WM_CLOSE, 0, 0);
        gPanelEnabledAfterNo = IsWindowEnabled(gApp.controlPanel) != FALSE;
        gAboutStoodAfterNo = IsWindow(about) && gApp.about == about;
        break;
    }
    }
    SendDlgItemMessageA(about, kAboutOkId, BM_CLICK, 0, 0);
}

int RunAboutWith(Inside inside)
{
    gInside = inside;
    SetTimer(nullptr, 0, 0, ActInside);  // a thread timer fires from the nested loop
    gApp.panelRecord.Enable(0);          // as the Help menu's guarded command has it
    const int result = RunModal(gApp.form, "About");
    gApp.panelRecord.Enable(1);
    return result;
}

// The WM_QUIT waiting for this thread's next loop, or -1 for none.
int PendingQuit()
{
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return -1;
    return static_cast<int>(msg.wParam);
}

TEST(Modal, ItsOwnEndStaysInsideAndAnotherQuitReachesTheLoopOutside)
{
    EXPECT_EQ(1, RunAboutWith(Inside::PressOk));
    EXPECT_EQ(-1, PendingQuit()) << "its own end posts no quit";
    EXPECT_EQ(nullptr, gApp.about);

    EXPECT_EQ(7, RunAboutWith(Inside::ProgramEnds));
    EXPECT_EQ(7, PendingQuit()) << "the main loop must end too, or the process outlives its windows";
    EXPECT_EQ(nullptr, gApp.about) << "a window destroyed by its owner is forgotten";
    EnableWindow(gApp.form, TRUE);
}

TEST(Modal, ACloseRequestAnsweredNoLeavesThePanelDisabledUnderTheModalWindow)
{
    gPanelEnabledAfterNo = true;
    gAboutStoodAfterNo = false;
    EXPECT_EQ(1, RunAboutWith(Inside::CloseAnsweredNo));
    EXPECT_FALSE(gPanelEnabledAfterNo);
    EXPECT_TRUE(gAboutStoodAfterNo);
    EXPECT_EQ(-1, PendingQuit());
    EXPECT_TRUE(IsWindowEnabled(gApp.form));
}

}  // namespace
}  // namespace rolva
