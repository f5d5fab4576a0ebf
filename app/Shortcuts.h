// The keyboard shortcuts of the File and Help menus: Ctrl+O (開く), Ctrl+S (上書き保存) and F1
// (トピック). They are one accelerator table, translated by the main message loop for the Form
// and the control panel; a modal window runs its own loop, so no shortcut works under it.
#pragma once

#include <windows.h>

namespace rolva {

// True when the message was a shortcut, now sent to the Form as its menu command.
bool TranslateShortcut(MSG& msg);

// One message of the main loop: the shortcuts, the control panel's keyboard use, then the usual
// translation and dispatch.
void ProcessLoopMessage(MSG& msg);

}  // namespace rolva
