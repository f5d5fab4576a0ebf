// Keyboard use of the control panel: Tab and Shift+Tab move the focus around the keys and fields
// of both signs, Space or Enter presses the focused key. A key of a rolling sign is disabled and
// is neither focused nor pressed.
#pragma once

#include <windows.h>

namespace rolva {

// Called by the message loop before dispatching; true when the message was the panel's
// keyboard use and is done.
bool PanelHandleKeyboard(const MSG& msg);

}  // namespace rolva
