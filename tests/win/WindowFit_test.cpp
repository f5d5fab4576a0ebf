// Windows of fixed outer size under a frame of this system: each keeps its size while its
// client area holds its controls, and a window whose frame would cut them grows just enough.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/NamedWindows.h"
#include "base/WindowFit.h"

namespace rolva {
namespace {

SIZE OuterSize(HWND window)
{
    RECT rc{};
    GetWindowRect(window, &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

SIZE ClientSize(HWND window)
{
    RECT rc{};
    GetClientRect(window, &rc);
    return {rc.right, rc.bottom};
}

TEST(WindowFit, TheFixedWindowsKeepTheirSizesWhereTheirClientAreasHoldTheirControls)
{
    const struct {
        const char* name;
        bool modal;
        SIZE outer;
    } windows[] = {{"About", true, {456, 339}}, {"Set", true, {600, 448}}, {"Splash", false, {456, 295}}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        HWND window = w.modal ? CreateModalWindow(gApp.form, w.name) : CreateNamedWindow(gApp.form, w.name);
        ASSERT_TRUE(window);
        const SIZE outer = OuterSize(window);
        const SIZE client = ClientSize(window);
        const SIZE extent = ChildrenExtent(window);
        SendMessageA(window, WM_CLOSE, 0, 0);
        test::PumpMessages();
        EXPECT_FALSE(IsWindow(window));

        EXPECT_EQ(w.outer.cx, outer.cx);
        EXPECT_EQ(w.outer.cy, outer.cy);
        EXPECT_LE(extent.cx, client.cx);
        EXPECT_LE(extent.cy, client.cy);
        EXPECT_GT(extent.cx, w.outer.cx / 2) << "the controls were measured";
    }
    EXPECT_TRUE(IsWindowEnabled(gApp.form));

    const SIZE panel = ChildrenExtent(gApp.controlPanel);
    EXPECT_LE(panel.cx, ClientSize(gApp.controlPanel).cx);
    EXPECT_LE(panel.cy, ClientSize(gApp.controlPanel).cy);
}

// A top-level window with a sizing border and a tool-window caption, whose frame differs from
// the fixed windows' and takes more room than the layout leaves.
class FrameTest : public testing::Test {
protected:
    HWND Make(int width, int height, DWORD exStyle)
    {
        window_ = CreateWindowExA(exStyle, kDialogClass, "", WS_CAPTION | WS_THICKFRAME, 10, 10, width, height,
                                  nullptr, nullptr, gApp.instance, nullptr);
        return window_;
    }
    HWND AddChild(int x, int y, int width, int height, DWORD style = WS_CHILD | WS_VISIBLE)
    {
        return CreateWindowExA(0, "STATIC", "", style, x, y, width, height, window_, nullptr, gApp.instance,
                               nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }

    HWND window_ = nullptr;
};

TEST_F(FrameTest, GrowsOnlyWhereTheClientAreaWouldCutAChild)
{
    HWND window = Make(300, 200, WS_EX_CLIENTEDGE);
    AddChild(5, 5, 100, 40);
    AddChild(20, 170, 50, 30, WS_CHILD);  // hidden, still part of the layout
    ASSERT_LT(ClientSize(window).cy, 200) << "the frame takes room";
    ASSERT_GT(ClientSize(window).cx, 105);

    const SIZE before = OuterSize(window);
    GrowToHoldChildren(window);

    EXPECT_EQ(300, OuterSize(window).cx) << "wide enough already";
    EXPECT_GT(OuterSize(window).cy, before.cy);
    EXPECT_EQ(200, ClientSize(window).cy) << "grown just to the lowest child's edge";
    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(10, place.left);
    EXPECT_EQ(10, place.top);
}

TEST_F(FrameTest, AWindowThatHoldsItsChildrenStaysAsItIs)
{
    HWND window = Make(300, 200, WS_EX_TOOLWINDOW);
    AddChild(0, 0, 120, 60);
    GrowToHoldChildren(window);
    EXPECT_EQ(300, OuterSize(window).cx);
    EXPECT_EQ(200, OuterSize(window).cy);
}

TEST_F(FrameTest, ExtentCountsDirectChildrenInClientCoordinates)
{
    HWND window = Make(400, 300, 0);
    EXPECT_EQ(0, ChildrenExtent(window).cx) << "no children";
    HWND group = AddChild(30, 20, 150, 90);
    AddChild(60, 100, 40, 50);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 140, 80, 200, 200, group, nullptr, gApp.instance,
                    nullptr);  // a grandchild, clipped by its parent
    const SIZE extent = ChildrenExtent(window);
    EXPECT_EQ(180, extent.cx);
    EXPECT_EQ(150, extent.cy);
}

// The child whose bottom edge is the lowest: on a small screen, the one out of view at first.
HWND LowestChild(HWND window)
{
    HWND lowest = nullptr;
    LONG bottom = LONG_MIN;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        if ((GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) && rect.bottom > bottom) {
            bottom = rect.bottom;
            lowest = child;
        }
    }
    return lowest;
}

RECT ChildPlace(HWND window, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CloseUntouched(HWND window)
{
    SetDlgItemTextA(window, 1202, "");  // the maker's list: nothing typed to ask about
    SendMessageA(window, WM_CLOSE, 0, 0);
    test::PumpMessages();
    EXPECT_FALSE(IsWindow(window));
}

RECT SmallWorkArea(HWND) { return {100, 50, 100 + 700, 50 + 400}; }

// On a screen smaller than the maker or the settings (a laptop at 150 %), each is cut to the work
// area and scrolls, so every control can be reached; the arrows, the wheel and the bar's ends move
// the controls, and an up-down control's own scroll message does not.
TEST(WindowFit, AWindowLargerThanTheWorkAreaScrollsItsControlsIntoView)
{
    const WorkAreaCall kept = gWorkAreaOf;
    gWorkAreaOf = SmallWorkArea;
    const RECT area = SmallWorkArea(nullptr);
    for (const char* name : {"Maker", "Set"}) {
        SCOPED_TRACE(name);
        HWND window = CreateModalWindow(gApp.form, name);
        ASSERT_TRUE(window);
        RECT outer{};
        GetWindowRect(window, &outer);
        EXPECT_GE(outer.left, area.left);
        EXPECT_GE(outer.top, area.top);
        EXPECT_LE(outer.right, area.right);
        EXPECT_LE(outer.bottom, area.bottom);
        EXPECT_NE(0, GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL);

        HWND lowest = LowestChild(window);
        EXPECT_TRUE(lowest);
        if (!lowest) {
            CloseUntouched(window);
            break;
        }
        const RECT first = ChildPlace(window, lowest);
        const LONG clientBottom = ClientSize(window).cy;
        EXPECT_GT(first.bottom, clientBottom) << "out of view at first";

        SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(lowest));
        EXPECT_EQ(first.top, ChildPlace(window, lowest).top) << "a control's scroll message moved the window";
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(window, SB_VERT, &bar));
        const int last = bar.nMax - static_cast<int>(bar.nPage) + 1;  // the bar's end
        EXPECT_GE(bar.nMax + 1, first.bottom) << "the range reaches the lowest control";

        SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, 0);
        const LONG stepped = first.top - ChildPlace(window, lowest).top;
        EXPECT_GT(stepped, 0);
        SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
        EXPECT_EQ(std::min<LONG>(4 * stepped, last), first.top - ChildPlace(window, lowest).top)
            << "a notch is three steps, up to the end";
        SendMessageA(window, WM_VSCROLL, SB_BOTTOM, 0);
        const RECT atBottom = ChildPlace(window, lowest);
        EXPECT_EQ(last, first.top - atBottom.top) << "moved to the bar's end and no further";
        EXPECT_LE(atBottom.bottom, clientBottom) << "in view at the end";
        SendMessageA(window, WM_VSCROLL, SB_TOP, 0);
        EXPECT_EQ(first.top, ChildPlace(window, lowest).top) << "back at the start";

        // A key that moves the focus to a control out of view brings it into view, just so far.
        ShowWindow(window, SW_SHOWNA);
        SetFocus(lowest);
        EXPECT_EQ(lowest, GetFocus());
        KeepFocusInView(window);
        const RECT focused = ChildPlace(window, lowest);
        EXPECT_EQ(clientBottom, focused.bottom) << "the focused control stands at the bottom edge";
        SetFocus(GetWindow(window, GW_CHILD));
        KeepFocusInView(window);
        EXPECT_GE(ChildPlace(window, GetWindow(window, GW_CHILD)).top, 0) << "the first control, back in view";

        CloseUntouched(window);
    }
    gWorkAreaOf = kept;
}

}  // namespace
}  // namespace rolva
