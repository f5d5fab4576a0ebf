// What the settings dialog's buttons and kind lists do: choose or delete the background and
// the sign pictures, and change a sign's kind. Each acts on the document and the windows at
// once and mirrors the result in the dialog's path fields.
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

void ChooseBackground(HWND dialog);
void DeleteBackground(HWND dialog);

// A folder of frame pictures for an LED-style sign, a strip file for any other.
void ChooseSignPicture(HWND dialog, int sign);

// What 参照... does once a folder (LED-style sign) or a strip file (any other kind) is chosen;
// also the end of a drop on the sign. dialog is the open settings dialog whose path field shows
// the new path, or NULL when it is not open.
void SetSignFolder(HWND dialog, int sign, const std::string& folder);
void SetSignStrip(HWND dialog, int sign, const std::string& path);

// Only a roll sign's picture can be deleted; for other kinds nothing happens.
void DeleteSignPicture(HWND dialog, int sign);

// Takes the kind the sign's list now shows.
void ChangeSignKind(HWND dialog, int sign);

}  // namespace rolva
