#include "settings/LiveEdits.h"

#include "base/WindowRegistry.h"
#include "display/LedSign.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

void ApplyFieldValue(HWND dialog, const NumberField& field, int value)
{
    SignSlot& slot = gDocument.signs[field.sign];
    switch (field.target) {
    case FieldTarget::FormWidth:
        gApp.formRecord.SetWidth(value);
        // Keeps the Up and Down keys stepping the same field after an arrow click.
        SetFocus(GetDlgItem(dialog, field.editId));
        break;
    case FieldTarget::FormHeight:
        gApp.formRecord.SetHeight(value);
        SetFocus(GetDlgItem(dialog, field.editId));
        break;
    case FieldTarget::SignLeft:
        SetSignLeft(field.sign, value);
        break;
    case FieldTarget::SignTop:
        SetSignTop(field.sign, value);
        break;
    case FieldTarget::SignWidth: {
        const bool changed = value != SignWidth(field.sign);
        SetSignWidth(field.sign, value);
        ApplySignRegion(field.sign);
        // Where a wide page enters, and whether a page is wide at all, follow the width.
        if (changed)
            FitLedFrameToWidth(field.sign);
        break;
    }
    case FieldTarget::SignHeight:
        SetSignHeight(field.sign, value);
        ApplySignRegion(field.sign);
        break;
    case FieldTarget::ManuscriptFrames:
        slot.manuscriptFrames = static_cast<std::int16_t>(value);
        break;
    case FieldTarget::CornerRadius:
        slot.cornerRadius = value;
        ApplySignRegion(field.sign);
        break;
    }
}

}  // namespace

int ReadFieldValue(const NumberField& field)
{
    const SignSlot& slot = gDocument.signs[field.sign];
    switch (field.target) {
    case FieldTarget::FormWidth:
        return gApp.formRecord.Width();
    case FieldTarget::FormHeight:
        return gApp.formRecord.Height();
    case FieldTarget::SignLeft:
        return SignLeft(field.sign);
    case FieldTarget::SignTop:
        return SignTop(field.sign);
    case FieldTarget::SignWidth:
        return SignWidth(field.sign);
    case FieldTarget::SignHeight:
        return SignHeight(field.sign);
    case FieldTarget::ManuscriptFrames:
        return slot.manuscriptFrames;
    case FieldTarget::CornerRadius:
        return slot.cornerRadius;
    }
    return 0;
}

void ArrowStep(HWND dialog, const NumberField& field, const NMUPDOWN& change)
{
    // Asked now, the control first takes a valid number typed into its edit box as its
    // position; text out of range or not a number leaves the last position.
    const int position = LOWORD(SendMessageA(change.hdr.hwndFrom, UDM_GETPOS, 0, 0));
    ApplyFieldValue(dialog, field, StepFieldValue(field, position, change.iDelta));
}

}  // namespace rolva
