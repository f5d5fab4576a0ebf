#include "maker/MakerControls.h"

#include "base/ControlTable.h"
#include "maker/MakerIds.h"
#include "maker/core/FrameList.h"

namespace rolva {

const char kStripPreviewClass[] = "RolvaStripPreview";

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTabStop = kChild | WS_TABSTOP;
constexpr DWORD kMultiLine =
    kTabStop | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
// The label table's lines are short: no horizontal bar, so the box shows more lines and its
// vertical bar keeps room for its thumb.
constexpr DWORD kLabelTable = kMultiLine & ~WS_HSCROLL;

const ControlRow kControls[] = {
    {kMakerListLabelId, "STATIC", "幕の一覧（1行に1枚。行き先|2行目|種別。｜やタブも可）：", 0, kChild, 10, 8, 370, 16},
    {kMakerListId, "EDIT", "", WS_EX_CLIENTEDGE, kMultiLine, 10, 26, 360, 326},
    {kMakerPreviewLabelId, "STATIC", "", 0, kChild, 384, 8, 360, 16},
    {kMakerPreviewId, kStripPreviewClass, "", WS_EX_CLIENTEDGE, kChild | WS_VSCROLL, 384, 26, 360, 326},
    {kMakerFaceLabelId, "STATIC", "書体：", 0, kChild, 10, 366, 40, 16},
    {kMakerFaceListId, "COMBOBOX", "", 0, kTabStop | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 52, 362, 200, 240},
    {kMakerBoldId, "BUTTON", "太字", 0, kTabStop | BS_AUTOCHECKBOX, 262, 362, 60, 22},
    {kMakerFrameLineId, "BUTTON", "上端の線", 0, kTabStop | BS_AUTOCHECKBOX, 330, 362, 100, 22},
    {kMakerTextColourId, "BUTTON", "文字色...", 0, kTabStop, 10, 392, 90, 24},
    {kMakerBackColourId, "BUTTON", "背景色...", 0, kTabStop, 106, 392, 90, 24},
    {kMakerLedLabelId, "STATIC", "LEDの見た目：", 0, kChild, 210, 396, 80, 16},
    {kMakerLedListId, "COMBOBOX", "", 0, kTabStop | CBS_DROPDOWNLIST, 292, 392, 150, 160},
    {kMakerPitchLabelId, "STATIC", "点の大きさ：", 0, kChild, 452, 396, 70, 16},
    {kMakerPitchEditId, "EDIT", "", WS_EX_CLIENTEDGE, kTabStop | ES_NUMBER | ES_RIGHT, 524, 392, 40, 22},
    {kMakerLabelsLabelId, "STATIC", "種別の色（種別=RRGGBB、1行に1つ）：", 0, kChild, 10, 426, 360, 16},
    {kMakerLabelsId, "EDIT", "", WS_EX_CLIENTEDGE, kLabelTable, 10, 444, 360, 68},
    {kMakerOutputLabelId, "STATIC", "", 0, kChild, 384, 426, 360, 16},
    {kMakerOutputPathId, "EDIT", "", WS_EX_CLIENTEDGE, kTabStop | ES_AUTOHSCROLL, 384, 444, 296, 22},
    {kMakerOutputBrowseId, "BUTTON", "参照...", 0, kTabStop, 686, 444, 58, 22},
    {kMakerWriteId, "BUTTON", "作成", 0, kTabStop | BS_DEFPUSHBUTTON, 558, 482, 90, 30},
    {kMakerCloseId, "BUTTON", "閉じる", 0, kTabStop, 654, 482, 90, 30},
};

// The edit's own procedure, kept on the list while it is subclassed.
const char kListProcProperty[] = "RolvaMakerListProc";
// Set between Ctrl+Tab's key and the character the system may make of it: the tab is typed once.
const char kTabTypedProperty[] = "RolvaMakerTabTyped";

// Ctrl alone: AltGr arrives as Ctrl+Alt on a WM_KEYDOWN, and AltGr+A types a letter on some
// layouts, which would then replace the whole list selected.
bool ControlDown()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0 && (GetKeyState(VK_MENU) & 0x8000) == 0;
}

// The list as a dialog's field: Tab leaves it (a multiline edit would take it), Ctrl+Tab types
// a tab, and Ctrl+A selects all, which the system's edit does not do everywhere.
LRESULT CALLBACK MakerListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto own = reinterpret_cast<WNDPROC>(GetPropA(list, kListProcProperty));
    switch (message) {
    case WM_GETDLGCODE: {
        LRESULT code = CallWindowProcA(own, list, message, wParam, lParam);
        const MSG* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB && !ControlDown())
            code &= ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
        return code;
    }
    case WM_KEYDOWN:
        RemovePropA(list, kTabTypedProperty);
        if (wParam == VK_TAB && ControlDown()) {
            SendMessageA(list, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
            SetPropA(list, kTabTypedProperty, reinterpret_cast<HANDLE>(1));
            return 0;
        }
        if (wParam == 'A' && ControlDown()) {
            SendMessageA(list, EM_SETSEL, 0, -1);
            return 0;
        }
        break;
    case WM_CHAR:
        // Ctrl+A's control character, and the tab a layout may make of Ctrl+Tab: both done above.
        if (wParam == 1)
            return 0;
        if (wParam == '\t' && RemovePropA(list, kTabTypedProperty))
            return 0;
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        RemovePropA(list, kListProcProperty);
        RemovePropA(list, kTabTypedProperty);
        return CallWindowProcA(own, list, message, wParam, lParam);
    }
    return CallWindowProcA(own, list, message, wParam, lParam);
}

}  // namespace

void CreateMakerControls(HWND dialog, HFONT font)
{
    CreateControls(dialog, kControls, font);
    HWND list = GetDlgItem(dialog, kMakerListId);
    // The edit's default holds about 32 KB; a full list of long lines needs more.
    SendMessageA(list, EM_SETLIMITTEXT, kMaxFrameListBytes, 0);
    SetPropA(list, kListProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(list, GWLP_WNDPROC)));
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MakerListProc));
}

}  // namespace rolva
