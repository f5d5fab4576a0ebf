// The keys of a sign's keypad: typed digits collect in the sign's entry and show in its number
// display; 送 and 戻 step the number shown and start the sign.
#pragma once

namespace rolva {

void PressDigitKey(int sign, int digit);
void PressClearKey(int sign);
void PressForwardKey(int sign);
void PressBackKey(int sign);

}  // namespace rolva
