#include "panel/Keypad.h"

#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "panel/core/KeypadEntry.h"

namespace rolva {

namespace {

void Carry(int sign, const KeypadAction& action)
{
    if (action.setDisplay)
        SetPanelText(kNumberDisplayIds[sign], action.displayText);
    if (action.startSign)
        StartSign(sign);
}

}  // namespace

void PressDigitKey(int sign, int digit)
{
    Carry(sign, EnterDigit(digit, gDocument.signs[sign].keypadEntry));
}

void PressClearKey(int sign) { Carry(sign, ClearEntry(gDocument.signs[sign].keypadEntry)); }

void PressForwardKey(int sign) { Carry(sign, StepForward(PanelText(kNumberDisplayIds[sign]))); }

void PressBackKey(int sign) { Carry(sign, StepBack(PanelText(kNumberDisplayIds[sign]))); }

}  // namespace rolva
