#include "settings/SettingsControls.h"

#include <commctrl.h>

#include "settings/SettingsIds.h"

namespace rolva {

namespace {

constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kGroupStyle = kVisibleChild | BS_GROUPBOX;
constexpr DWORD kLabelStyle = kVisibleChild;
constexpr DWORD kButtonStyle = kVisibleChild;
constexpr DWORD kPathStyle = kVisibleChild | ES_AUTOHSCROLL;
constexpr DWORD kNumberStyle = kVisibleChild | ES_NUMBER | ES_RIGHT;
constexpr DWORD kListStyle = kVisibleChild | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kHelpStyle = kVisibleChild | BS_BITMAP;
// The number fields are ES_NUMBER: a person can type no separator into them, so the arrows
// write none either ("1024", not "1,024").
constexpr DWORD kUpDownStyle =
    kVisibleChild | UDS_ARROWKEYS | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;

enum class Kind { Button, Label, Path, Number, List, UpDown };

struct ControlSpec {
    int id;
    Kind kind;
    const char* text;
    DWORD style;
    int x, y, width, height;
};

// Creation order matters: each up-down takes the control created just before it as its buddy.
const ControlSpec kControls[] = {
    {kFormGroupId, Kind::Button, "フォーム", kGroupStyle, 9, 6, 575, 83},
    {kBackgroundLabelId, Kind::Label, "背景の画像：", kLabelStyle, 24, 29, 74, 14},
    {kBackgroundPathId, Kind::Path, "", kPathStyle, 93, 24, 388, 20},
    {kBackgroundBrowseId, Kind::Button, "参照...", kButtonStyle, 485, 24, 40, 20},
    {kBackgroundDeleteId, Kind::Button, "削除", kButtonStyle, 534, 24, 38, 20},
    {kFormWidthLabelId, Kind::Label, "幅：", kLabelStyle, 128, 59, 26, 15},
    {kFormWidthEditId, Kind::Number, "", kNumberStyle, 150, 55, 80, 20},
    {kFormWidthUpDownId, Kind::UpDown, "", kUpDownStyle, 224, 53, 22, 23},
    {kFormHeightLabelId, Kind::Label, "高さ：", kLabelStyle, 295, 59, 74, 18},
    {kFormHeightEditId, Kind::Number, "", kNumberStyle, 327, 55, 80, 20},
    {kFormHeightUpDownId, Kind::UpDown, "", kUpDownStyle, 408, 53, 20, 22},
    {kSignColumnIds[0], Kind::Button, "1つ目の方向幕", kGroupStyle, 9, 99, 280, 280},
    {kSignColumnIds[1], Kind::Button, "2つ目の方向幕", kGroupStyle, 302, 99, 280, 280},
    {kKindLabelIds[0], Kind::Label, "方向幕の種類：", kLabelStyle, 19, 122, 82, 16},
    {kKindListIds[0], Kind::List, "", kListStyle, 101, 119, 170, 90},
    {kPictureLabelIds[0], Kind::Label, "方向幕画像：", kLabelStyle, 18, 151, 73, 14},
    {kPicturePathIds[0], Kind::Path, "", kPathStyle, 16, 167, 180, 20},
    {kPictureBrowseIds[0], Kind::Button, "参照...", kButtonStyle, 202, 166, 40, 22},
    {kPictureDeleteIds[0], Kind::Button, "削除", kButtonStyle, 244, 166, 40, 22},
    {kLeftLabelIds[0], Kind::Label, "左：", kLabelStyle, 24, 209, 20, 15},
    {kLeftEditIds[0], Kind::Number, "", kNumberStyle, 46, 206, 70, 20},
    {kLeftUpDownIds[0], Kind::UpDown, "", kUpDownStyle, 107, 206, 19, 20},
    {kTopLabelIds[0], Kind::Label, "上：", kLabelStyle, 143, 209, 30, 18},
    {kTopEditIds[0], Kind::Number, "", kNumberStyle, 178, 206, 70, 20},
    {kTopUpDownIds[0], Kind::UpDown, "", kUpDownStyle, 236, 206, 16, 22},
    {kWidthLabelIds[0], Kind::Label, "幅：", kLabelStyle, 24, 246, 20, 15},
    {kWidthEditIds[0], Kind::Number, "", kNumberStyle, 46, 243, 70, 20},
    {kWidthUpDownIds[0], Kind::UpDown, "", kUpDownStyle, 107, 244, 13, 21},
    {kHeightLabelIds[0], Kind::Label, "高さ：", kLabelStyle, 145, 246, 36, 16},
    {kHeightEditIds[0], Kind::Number, "", kNumberStyle, 178, 243, 70, 20},
    {kHeightUpDownIds[0], Kind::UpDown, "", kUpDownStyle, 241, 240, 12, 24},
    {kKindLabelIds[1], Kind::Label, "方向幕の種類：", kLabelStyle, 311, 122, 79, 15},
    {kKindListIds[1], Kind::List, "", kListStyle, 397, 119, 170, 90},
    {kPictureLabelIds[1], Kind::Label, "方向幕画像：", kLabelStyle, 311, 151, 123, 14},
    {kPicturePathIds[1], Kind::Path, "", kPathStyle, 309, 167, 180, 20},
    {kPictureBrowseIds[1], Kind::Button, "参照...", kButtonStyle, 494, 166, 40, 22},
    {kPictureDeleteIds[1], Kind::Button, "削除", kButtonStyle, 537, 166, 40, 22},
    {kLeftLabelIds[1], Kind::Label, "左：", kLabelStyle, 318, 211, 21, 16},
    {kLeftEditIds[1], Kind::Number, "", kNumberStyle, 340, 206, 70, 20},
    {kLeftUpDownIds[1], Kind::UpDown, "", kUpDownStyle, 408, 203, 15, 28},
    {kTopLabelIds[1], Kind::Label, "上：", kLabelStyle, 438, 211, 22, 16},
    {kTopEditIds[1], Kind::Number, "", kNumberStyle, 469, 206, 70, 20},
    {kTopUpDownIds[1], Kind::UpDown, "", kUpDownStyle, 528, 199, 15, 32},
    {kWidthLabelIds[1], Kind::Label, "幅：", kLabelStyle, 318, 247, 37, 15},
    {kWidthEditIds[1], Kind::Number, "", kNumberStyle, 340, 243, 70, 20},
    {kWidthUpDownIds[1], Kind::UpDown, "", kUpDownStyle, 400, 237, 14, 28},
    {kHeightLabelIds[1], Kind::Label, "高さ：", kLabelStyle, 438, 247, 31, 17},
    {kHeightEditIds[1], Kind::Number, "", kNumberStyle, 469, 243, 70, 20},
    {kHeightUpDownIds[1], Kind::UpDown, "", kUpDownStyle, 531, 240, 13, 32},
    {kCopyTemplateIds[0], Kind::Button, "原稿をコピー", kButtonStyle, 133, 341, 140, 25},
    {kCopyTemplateIds[1], Kind::Button, "原稿をコピー", kButtonStyle, 431, 341, 140, 25},
    {kCloseId, Kind::Button, "閉じる(&C)", kButtonStyle, 495, 385, 90, 35},
    {kHelpId, Kind::Button, "？Help", kHelpStyle, 10, 384, 80, 35},
    {kFramesLabelIds[0], Kind::Label, "原稿用の幕の枚数(LED用は1枚だけです)", kLabelStyle, 33, 323, 213, 13},
    {kFramesEditIds[0], Kind::Number, "", kNumberStyle, 52, 342, 65, 20},
    {kFramesUpDownIds[0], Kind::UpDown, "", kUpDownStyle, 102, 339, 12, 28},
    {kFramesLabelIds[1], Kind::Label, "原稿用の幕の枚数(LED用は1枚だけです)", kLabelStyle, 323, 323, 213, 13},
    {kFramesEditIds[1], Kind::Number, "", kNumberStyle, 344, 342, 65, 20},
    {kFramesUpDownIds[1], Kind::UpDown, "", kUpDownStyle, 400, 337, 12, 29},
    {kCornerLabelIds[0], Kind::Label, "カドの丸み：", kLabelStyle, 34, 287, 78, 13},
    {kCornerEditIds[0], Kind::Number, "", kNumberStyle, 102, 282, 55, 20},
    {kCornerUpDownIds[0], Kind::UpDown, "", kUpDownStyle, 149, 279, 18, 24},
    {kCornerLabelIds[1], Kind::Label, "カドの丸み：", kLabelStyle, 333, 287, 63, 17},
    {kCornerEditIds[1], Kind::Number, "", kNumberStyle, 399, 282, 55, 20},
    {kCornerUpDownIds[1], Kind::UpDown, "", kUpDownStyle, 449, 277, 15, 31},
    // Right of the corner rounding, their right edges on those of the "原稿をコピー" buttons.
    {kMakeStripIds[0], Kind::Button, "幕の作成...", kButtonStyle, 183, 280, 90, 24},
    {kMakeStripIds[1], Kind::Button, "幕の作成...", kButtonStyle, 481, 280, 90, 24},
};

struct ClassAndEdge {
    const char* windowClass;
    DWORD exStyle;
};

ClassAndEdge ClassOf(Kind kind)
{
    switch (kind) {
    case Kind::Button:
        return {"BUTTON", 0};
    case Kind::Label:
        return {"STATIC", 0};
    case Kind::Path:
        return {"EDIT", WS_EX_STATICEDGE};
    case Kind::Number:
        return {"EDIT", WS_EX_CLIENTEDGE};
    case Kind::List:
        return {"COMBOBOX", 0};
    case Kind::UpDown:
        // A window of its own class right after its edit: the automatic buddy then holds on
        // every system, where CreateUpDownControl with no buddy can undo it.
        return {UPDOWN_CLASSA, 0};
    }
    return {"STATIC", 0};
}

}  // namespace

void CreateSettingsControls(HWND dialog, HFONT font)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    for (const ControlSpec& spec : kControls) {
        const ClassAndEdge made = ClassOf(spec.kind);
        HWND control = CreateWindowExA(made.exStyle, made.windowClass, spec.text, spec.style, spec.x, spec.y,
                                       spec.width, spec.height, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
        if (spec.kind == Kind::UpDown) {
            // The real ranges and positions come when the dialog is filled.
            SendMessageA(control, UDM_SETRANGE, 0, MAKELPARAM(100, 0));
            SendMessageA(control, UDM_SETPOS, 0, MAKELPARAM(0, 0));
        } else {
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        }
    }
}

}  // namespace rolva
