// The Form's menu commands, the guard that refuses commands while a sign rolls, and the
// confirmed exit.
#pragma once

namespace rolva {

// False while either sign's roll thread runs.
bool RollThreadsIdle();

// A menu command by its ID; unknown IDs are ignored.
void RunCommand(int id);

// Asks whether to end the program; on Yes stops both rolls, saves the window places and
// destroys the windows (the Form itself when the request came from its close box). Returns
// true when the user refused.
bool ConfirmExit(bool fromClose);

}  // namespace rolva
