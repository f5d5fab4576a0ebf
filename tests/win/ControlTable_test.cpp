// Controls made from a table: each as its row says, in row order, with the parent's instance and
// the table's font, an up-down buddied to the row before it, and the table's own step seen first.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/ControlTable.h"
#include "base/Handles.h"

namespace rolva {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kLabelId = 11;
constexpr int kEditId = 12;
constexpr int kUpDownId = 13;
constexpr int kButtonId = 14;

// No alignment flag on the up-down: it keeps the place of its row, so every place can be checked.
const ControlRow kRows[] = {
    {kLabelId, "STATIC", "名前：", 0, kChild | SS_RIGHT, 4, 6, 40, 14},
    {kEditId, "EDIT", "0", WS_EX_CLIENTEDGE, kChild | WS_TABSTOP | ES_NUMBER, 48, 4, 60, 20},
    {kUpDownId, UPDOWN_CLASSA, "", 0, kChild | UDS_AUTOBUDDY | UDS_SETBUDDYINT, 110, 4, 16, 20},
    {kButtonId, "BUTTON", "表示", WS_EX_STATICEDGE, kChild | WS_TABSTOP | BS_PUSHBUTTON, 4, 30, 70, 24},
};

struct Made {
    HWND control;
    int rowId;
    HFONT fontThen;  // the control's font when the table's step saw it
};
std::vector<Made> gMade;

// Takes the font everywhere but on the label.
bool NoteMade(HWND control, const ControlRow& row)
{
    gMade.push_back({control, row.id, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0))});
    return row.id != kLabelId;
}

class ControlTable : public testing::Test {
protected:
    void SetUp() override
    {
        gMade.clear();
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(parent_);
    }
    void TearDown() override { DestroyWindow(parent_); }

    std::vector<HWND> Children() const
    {
        std::vector<HWND> children;
        for (HWND child = GetWindow(parent_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }

    HWND parent_ = nullptr;
    FontHandle font_{CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "ＭＳ ゴシック")};
};

TEST_F(ControlTable, MakesEachRowsControlInRowOrder)
{
    CreateControls(parent_, kRows, font_.Get());
    const std::vector<HWND> children = Children();
    ASSERT_EQ(std::size(kRows), children.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kRows[i];
        HWND control = children[i];
        SCOPED_TRACE(row.id);
        EXPECT_EQ(row.id, GetDlgCtrlID(control)) << "creation order is the Z order";
        EXPECT_STRCASEEQ(row.windowClass, test::ClassOf(control).c_str());  // "Edit" for "EDIT"
        EXPECT_EQ(row.text, test::TextOf(control));
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE));
        EXPECT_EQ(row.style, style & row.style);
        EXPECT_EQ(row.exStyle, exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(row.x, place.left);
        EXPECT_EQ(row.y, place.top);
        EXPECT_EQ(row.width, place.right - place.left);
        EXPECT_EQ(row.height, place.bottom - place.top);
        EXPECT_EQ(GetWindowLongPtrA(parent_, GWLP_HINSTANCE), GetWindowLongPtrA(control, GWLP_HINSTANCE));
        if (row.id != kUpDownId) {  // an up-down keeps no font
            EXPECT_EQ(font_.Get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        }
    }
    // The automatic buddy is the control made just before the up-down.
    EXPECT_EQ(GetDlgItem(parent_, kEditId),
              reinterpret_cast<HWND>(SendDlgItemMessageA(parent_, kUpDownId, UDM_GETBUDDY, 0, 0)));
}

TEST_F(ControlTable, TheTablesStepSeesEachControlBeforeItsFontAndMayKeepItFromIt)
{
    CreateControls(parent_, kRows, font_.Get(), NoteMade);
    const std::vector<HWND> children = Children();
    ASSERT_EQ(std::size(kRows), gMade.size());
    for (std::size_t i = 0; i < gMade.size(); ++i) {
        SCOPED_TRACE(kRows[i].id);
        EXPECT_EQ(kRows[i].id, gMade[i].rowId);
        EXPECT_EQ(children[i], gMade[i].control);
        EXPECT_EQ(nullptr, gMade[i].fontThen);
    }
    EXPECT_EQ(nullptr, reinterpret_cast<HFONT>(SendDlgItemMessageA(parent_, kLabelId, WM_GETFONT, 0, 0)));
    EXPECT_EQ(font_.Get(), reinterpret_cast<HFONT>(SendDlgItemMessageA(parent_, kEditId, WM_GETFONT, 0, 0)));
    EXPECT_EQ(font_.Get(), reinterpret_cast<HFONT>(SendDlgItemMessageA(parent_, kButtonId, WM_GETFONT, 0, 0)));
}

}  // namespace
}  // namespace rolva
