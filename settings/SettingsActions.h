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

// Only a roll sign's picture can be deleted; for other kinds nothing happens.
void DeleteSignPicture(HWND dialog, int sign);

// Takes the kind the sign's list now shows.
void ChangeSignKind(HWND dialog, int sign);

}  // namespace rolva
