#include "settings/SettingsFill.h"

#include <commctrl.h>

#include "document/SignDocument.h"
#include "settings/LiveEdits.h"
#include "settings/SettingsIds.h"

namespace rolva {

namespace {

// The first sign cannot be hidden; only the second sign's list offers that kind.
constexpr int kKindChoices[kSignCount] = {2, 3};

void FillKindList(HWND dialog, int sign)
{
    HWND list = GetDlgItem(dialog, kKindListIds[sign]);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (int kind = 0; kind < kKindChoices[sign]; ++kind)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SignKindLabel(static_cast<std::uint8_t>(kind))));
    // A kind the list does not offer (only possible from a data file) selects nothing.
    SendMessageA(list, CB_SETCURSEL, gDocument.signs[sign].kind, 0);
}

}  // namespace

void EnableLedLookButton(HWND dialog, int sign)
{
    const bool led = gDocument.signs[sign].kind == static_cast<std::uint8_t>(SignKind::Led);
    EnableWindow(GetDlgItem(dialog, kLedLookIds[sign]), led);
}

void FillSettingsFields(HWND dialog)
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        FillKindList(dialog, sign);
        EnableLedLookButton(dialog, sign);
    }

    for (const NumberField& field : kNumberFields)
        SendDlgItemMessageA(dialog, field.upDownId, UDM_SETRANGE, 0, MAKELPARAM(field.maximum, field.minimum));
    // Set in range here: a value from a data file past 16 bits would otherwise wrap around.
    for (const NumberField& field : kNumberFields) {
        const int shown = ClampToField(field, ReadFieldValue(field));
        SendDlgItemMessageA(dialog, field.upDownId, UDM_SETPOS, 0, MAKELPARAM(shown, 0));
    }

    SetDlgItemTextA(dialog, kBackgroundPathId, gDocument.backgroundPath.c_str());
    for (int sign = 0; sign < kSignCount; ++sign)
        SetDlgItemTextA(dialog, kPicturePathIds[sign], gDocument.signs[sign].picturePath.c_str());
}

}  // namespace rolva
