// Files dropped on the Form from the shell: a data file opens as with Open, a picture file
// dropped on a roll sign becomes its strip and a folder dropped on an LED-style sign its
// frames, as with the settings dialog's 参照.... Nothing happens while a sign rolls or while the
// Form takes no input (the splash, a modal window).
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace rolva {

// Lets the shell drop files on the Form.
void AcceptFileDrops(HWND form);

// WM_DROPFILES: acts on the drop and gives its memory back to the system.
void Form_OnDropFiles(HWND form, HDROP drop);

}  // namespace rolva
