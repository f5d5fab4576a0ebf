// What the tests rely on to fail: the counters a leak must move, the answerers that must give
// up on a dialog that stays instead of hanging the run, and the check of the shared state.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "SettingsFixture.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"

namespace rolva {
namespace {

// Other threads of the program (the sound output trying its device again every few seconds)
// may hold a handle for a moment while the count is taken: the count is taken again then, a
// few times, and a counter that is wrong is wrong every time.
TEST(TestSupport, HandleCountFollowsHandlesOpenedAndClosed)
{
    DWORD before = 0;
    DWORD opened = 0;
    DWORD closed = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        before = test::HandleCount();
        ASSERT_GT(before, 0u);
        std::vector<HANDLE> events;
        for (int i = 0; i < 20; ++i)
            events.push_back(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        opened = test::HandleCount();
        for (HANDLE event : events)
            CloseHandle(event);
        closed = test::HandleCount();
        if (opened == before + 20 && closed == before)
            break;
    }
    EXPECT_EQ(before + 20, opened);
    EXPECT_EQ(before, closed);
}

TEST(TestSupport, GdiObjectCountFollowsObjectsMadeAndDeleted)
{
    const DWORD before = test::GdiObjectCount();
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 20; ++i)
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(before + 20, test::GdiObjectCount());
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    EXPECT_EQ(before, test::GdiObjectCount());
}

// A modal dialog (class #32770) that ignores every button but Cancel, as a box does that refuses
// what it was given. With chooserParts it carries a file chooser's type list and name box.
struct alignas(DWORD) EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};
static_assert(offsetof(EmptyTemplate, menu) == sizeof(DLGTEMPLATE), "the three words follow the header directly");

INT_PTR CALLBACK StubbornProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        if (lParam) {
            HWND types = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 5, 5, 120, 80,
                                         dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(cmb1)), nullptr, nullptr);
            SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("*.*"));
            CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 30, 120, 20, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(edt1)), nullptr, nullptr);
        }
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

INT_PTR RunStubbornDialog(bool chooserParts)
{
    EmptyTemplate dialog{};
    // No caption: a captioned window costs two seconds to hide under an X server without a
    // window manager.
    dialog.header.style = WS_POPUP | WS_BORDER | WS_VISIBLE;
    dialog.header.cx = 140;
    dialog.header.cy = 70;
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, nullptr, StubbornProc, chooserParts);
}

TEST(TestSupport, AMessageBoxThatStaysAfterTheAnswerIsClosedAndFailsTheTest)
{
    INT_PTR ended = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            test::DialogAnswerer answerer(IDOK);
            ended = RunStubbornDialog(false);
        },
        "a dialog stayed open after button 1 and had to be closed");
    EXPECT_EQ(IDCANCEL, ended);
}

TEST(TestSupport, AChooserThatRefusesTheNameIsCancelledAndFailsTheTest)
{
    INT_PTR ended = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            test::ChooserDriver driver("refused.rv4");
            ended = RunStubbornDialog(true);
        },
        "the chooser stayed open on \"refused.rv4\" and was cancelled");
    EXPECT_EQ(IDCANCEL, ended);
}

class SharedStateTest : public test::SharedSceneTest {};

TEST_F(SharedStateTest, NamesWhatATestChangedAndPutsItBack)
{
    const int width = SignWidth(0);
    const test::SharedState start = test::TakeSharedState();
    SetSignWidth(0, width + 7);
    gDocument.signs[1].keypadEntry = "12";
    const std::vector<std::string> lines = test::Differences(start, test::TakeSharedState());
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("sign 1 width: \"" + std::to_string(width) + "\" at start, \"" + std::to_string(width + 7) + "\" now",
              lines[0]);
    EXPECT_EQ("sign 2 keypad entry: \"\" at start, \"12\" now", lines[1]);
    test::PutSharedStateBack(start);
    EXPECT_EQ(width, SignWidth(0));
    EXPECT_EQ("", gDocument.signs[1].keypadEntry);
    EXPECT_TRUE(test::Differences(start, test::TakeSharedState()).empty());
}

TEST_F(SharedStateTest, ATestThatLeavesAChangeFailsWithItsName)
{
    const int width = SignWidth(0);
    SetSignWidth(0, width + 7);
    test::SharedStateListener listener;
    EXPECT_NONFATAL_FAILURE(listener.OnTestEnd(*testing::UnitTest::GetInstance()->current_test_info()),
                            "left the shared scene changed");
    EXPECT_EQ(width, SignWidth(0)) << "the listener puts the change back for the next test";
}

}  // namespace
}  // namespace rolva
