#include "panel/PanelKeyboard.h"

#include <vector>

#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/core/KeyboardOrder.h"

namespace rolva {

namespace {

// The round Tab takes: per sign, the keypad row by row as it stands, then its fields.
std::vector<int> FocusRound()
{
    std::vector<int> ids;
    for (int sign = 0; sign < 2; ++sign) {
        const int digit = kDigitKeyFirstIds[sign];
        const int round[] = {
            kResetKeyIds[sign], digit + 7, digit + 8, digit + 9, digit + 4,       digit + 5,
            digit + 6,          kForwardKeyIds[sign], digit + 1, digit + 2, digit + 3, kBackKeyIds[sign],
            digit + 0,          kClearKeyIds[sign], kOnKeyIds[sign], kSpeedEditIds[sign], kIntervalEditIds[sign],
        };
        ids.insert(ids.end(), std::begin(round), std::end(round));
    }
    return ids;
}

// Enabled, and inside the panel's client area (the narrow panel cuts the second column off).
bool CanTakeFocus(HWND panel, HWND control)
{
    if (!control || !IsWindowEnabled(control) || !IsWindowVisible(control))
        return false;
    RECT client{}, place{};
    GetClientRect(panel, &client);
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&place), 2);
    return place.right <= client.right && place.bottom <= client.bottom;
}

bool IsKey(HWND control)
{
    char name[16] = {};
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "Button") == 0;
}

void MoveFocus(HWND panel, bool backward)
{
    const std::vector<int> round = FocusRound();
    std::vector<bool> usable(round.size());
    int current = -1;
    HWND focus = GetFocus();
    for (size_t i = 0; i < round.size(); ++i) {
        HWND control = GetDlgItem(panel, round[i]);
        usable[i] = CanTakeFocus(panel, control);
        if (control == focus)
            current = static_cast<int>(i);
    }
    const int next = NextFocusPosition(current, backward, usable);
    if (next < 0)
        return;
    // Keyboard use shows the focus rectangle even where the system hides it until then.
    SendMessageA(panel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    HWND control = GetDlgItem(panel, round[next]);
    SetFocus(control);
    if (!IsKey(control))
        SendMessageA(control, EM_SETSEL, 0, -1);
}

}  // namespace

bool PanelHandleKeyboard(const MSG& msg)
{
    HWND panel = gControlPanelWindow;
    if (!panel || (msg.hwnd != panel && !IsChild(panel, msg.hwnd)))
        return false;
    if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP && msg.message != WM_CHAR)
        return false;

    switch (msg.wParam) {
    case VK_TAB:
        if (msg.message == WM_KEYDOWN)
            MoveFocus(panel, GetKeyState(VK_SHIFT) < 0);
        return true;  // the tab character itself goes nowhere
    case VK_RETURN:
        if (msg.message == WM_KEYDOWN && IsKey(msg.hwnd) && IsWindowEnabled(msg.hwnd))
            SendMessageA(msg.hwnd, BM_CLICK, 0, 0);
        return IsKey(msg.hwnd);
    case VK_SPACE:
        // The key presses itself on Space; a disabled one (its sign rolls) must not.
        return IsKey(msg.hwnd) && !IsWindowEnabled(msg.hwnd);
    }
    return false;
}

}  // namespace rolva
