// The Form's menu commands, the guard that refuses commands while a sign rolls, and the
// confirmed exit.
#pragma once

#include <functional>

namespace rolva {

// Runs a command that must not start under a rolling sign, with the panel greyed meanwhile and
// given back on every path. Running out of memory stops the command with a message; any other
// failure goes on to the caller.
void RunGuarded(const std::function<void()>& action);

// A menu command by its ID; unknown IDs are ignored.
void RunCommand(int id);

// Asks whether to end the program; on Yes stops both rolls, saves the window places, tells
// where the settings went when the program's folder refused them, closes the help viewer and
// destroys the Form with every window it owns, whether the request came from its close box
// (fromClose) or from the Exit command. Returns true when the user refused.
bool ConfirmExit(bool fromClose);

}  // namespace rolva
