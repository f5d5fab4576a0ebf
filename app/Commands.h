// The Form's menu commands, the guard that refuses commands while a sign rolls, and the
// confirmed exit.
#pragma once

namespace rolva {

// A menu command by its ID; unknown IDs are ignored.
void RunCommand(int id);

// Asks whether to end the program; on Yes stops both rolls, saves the window places, closes the
// help viewer and destroys the Form with every window it owns, whether the request came from
// its close box (fromClose) or from the Exit command. Returns true when the user refused.
bool ConfirmExit(bool fromClose);

}  // namespace rolva
