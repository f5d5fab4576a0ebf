#include "panel/SignRequests.h"

#include "display/core/NumericText.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"

namespace rolva {

namespace {

std::int32_t PanelNumber(int id) { return ReadNumericText(PanelText(id)); }

}  // namespace

SignRequest PanelRequest(int sign)
{
    SignRequest request;
    request.targetFrame = PanelNumber(kNumberDisplayIds[sign]);
    request.speed = PanelNumber(kSpeedEditIds[sign]);
    request.interval = PanelNumber(kIntervalEditIds[sign]);
    return request;
}

void StartSign(int sign)
{
    if (MoveSign(sign, PanelRequest(sign)))
        EnableSignKeys(sign, false);
}

void ResetSign(int sign)
{
    PutSignHome(sign);
    EnableSignKeys(sign, true);
    SetPanelText(kNumberDisplayIds[sign], "");
}

void EnableSignKeys(int sign, bool enable)
{
    const int ids[] = {
        kDigitKeyFirstIds[sign] + 0, kDigitKeyFirstIds[sign] + 1, kDigitKeyFirstIds[sign] + 2,
        kDigitKeyFirstIds[sign] + 3, kDigitKeyFirstIds[sign] + 4, kDigitKeyFirstIds[sign] + 5,
        kDigitKeyFirstIds[sign] + 6, kDigitKeyFirstIds[sign] + 7, kDigitKeyFirstIds[sign] + 8,
        kDigitKeyFirstIds[sign] + 9, kOnKeyIds[sign],           kClearKeyIds[sign],
        kForwardKeyIds[sign],        kBackKeyIds[sign],         kSpeedEditIds[sign],
        kIntervalEditIds[sign],      kSpeedUpDownIds[sign],     kIntervalUpDownIds[sign],
    };
    for (int id : ids)
        EnableWindow(PanelControl(id), enable ? TRUE : FALSE);
}

void OnRollEnded(int sign, LPARAM roll)
{
    if ((sign != 0 && sign != 1) || !IsLatestRoll(sign, roll))
        return;
    JoinEndedRoll(sign);  // an ON pressed at once must find the sign idle
    EnableSignKeys(sign, true);
}

}  // namespace rolva
