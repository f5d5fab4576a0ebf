// The keypad rules of one sign: what a key does to the typed entry and to the number display.
// The shell owns the display control and the sign's keypadEntry; it passes them in and carries
// out the returned action (write the display, then start the sign).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rolva {

// At most three digits can be typed, so 0 to 999.
constexpr std::size_t kKeypadMaxDigits = 3;
constexpr int kKeypadMaxFrame = 999;

struct KeypadAction {
    bool setDisplay = false;  // write displayText into the sign's number display
    std::string displayText;  // the display's new text when setDisplay
    bool startSign = false;   // then start the sign (after the display is written)
};

// A digit key (0-9): appends to the entry and shows it as typed ("007" stays "007"). A fourth
// digit, or an entry reading 1000 or more, clears entry and display instead. Any other digit
// value changes nothing.
KeypadAction EnterDigit(int digit, std::string& entry);

// The C key: empties the entry and the display.
KeypadAction ClearEntry(std::string& entry);

// The forward key: shows the displayed number plus one and starts the sign, except on 999.
// Only 999 itself stops it: a larger number put on the display by a data file still steps on.
// The entry is left alone, so digits typed later append to the older entry.
KeypadAction StepForward(std::string_view displayText);

// The back key: shows the displayed number minus one and starts the sign, except on 0.
KeypadAction StepBack(std::string_view displayText);

// The keypad's part of the reset key: the display empties, the entry stays as it was.
KeypadAction ResetDisplay();

}  // namespace rolva
