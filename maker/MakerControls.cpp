#include "maker/MakerControls.h"

#include "base/ControlTable.h"
#include "maker/MakerIds.h"

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
    {kMakerListLabelId, "STATIC", "幕の一覧（1行に1枚。行き先|2行目|種別、区切りは | かタブ）：", 0, kChild, 10, 8, 370, 16},
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

}  // namespace

void CreateMakerControls(HWND dialog, HFONT font) { CreateControls(dialog, kControls, font); }

}  // namespace rolva
