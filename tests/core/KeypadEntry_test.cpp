#include "panel/core/KeypadEntry.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

// One sign's column as the shell keeps it: the typed entry, the display control's text and how
// often the sign was started.
struct Column {
    std::string entry;
    std::string display;
    int starts = 0;
};

void Apply(const KeypadAction& action, Column& column)
{
    if (action.setDisplay)
        column.display = action.displayText;
    if (action.startSign)
        ++column.starts;
}

// Keys: digits, C (clear), F (送), B (戻), R (強).
void Press(char key, Column& column)
{
    switch (key) {
    case 'C':
        Apply(ClearEntry(column.entry), column);
        break;
    case 'F':
        Apply(StepForward(column.display), column);
        break;
    case 'B':
        Apply(StepBack(column.display), column);
        break;
    case 'R':
        Apply(ResetDisplay(), column);
        break;
    default:
        Apply(EnterDigit(key - '0', column.entry), column);
        break;
    }
}

struct KeypadCase {
    const char* what;
    const char* entryBefore;
    const char* displayBefore;
    const char* keys;
    const char* entryAfter;
    const char* displayAfter;
    int starts;
};

TEST(Keypad, FollowsTheSetterRules)
{
    const KeypadCase cases[] = {
        {"digits show as typed", "", "0", "007", "007", "007", 0},
        {"a fourth digit empties entry and display", "", "0", "0078", "", "", 0},
        {"typing starts afresh after the overflow", "", "0", "12345", "5", "5", 0},
        {"C empties entry and display", "", "0", "12C", "", "", 0},
        {"C then a digit", "", "0", "12C3", "3", "3", 0},
        {"forward from an empty display", "", "", "F", "", "1", 1},
        {"back from an empty display does nothing", "", "", "B", "", "", 0},
        {"back from 0 does nothing", "", "0", "B", "", "0", 0},
        {"forward from 999 does nothing", "", "999", "F", "", "999", 0},
        {"forward drops leading zeros", "", "007", "F", "", "8", 1},
        {"back to 0", "", "1", "B", "", "0", 1},
        {"back reads the display, not the entry", "5", "13", "B", "5", "12", 1},
        {"forward past 999 from a larger display", "", "1500", "F", "", "1501", 1},
        {"back from a negative display", "", "-5", "B", "", "-6", 1},
        {"back from 0.9 reads 0", "", "0.9", "B", "", "0.9", 0},
        {"forward over junk", "", " 5x", "F", "", "6", 1},
        {"reset empties the display only", "", "0", "12R", "12", "", 0},
        {"digits after reset append to the entry", "", "0", "12R3", "123", "123", 0},
        {"forward leaves the entry", "", "0", "12F", "12", "13", 1},
        {"digits after forward append to the entry", "", "0", "12F5", "125", "125", 1},
        {"forward past the int32 limit", "", "99999999999", "F", "", "2147483648", 1},
        {"back past the int32 limit", "", "-99999999999", "B", "", "-2147483649", 1},
    };
    for (const KeypadCase& c : cases) {
        Column column{c.entryBefore, c.displayBefore, 0};
        for (const char* key = c.keys; *key != '\0'; ++key)
            Press(*key, column);
        EXPECT_EQ(c.entryAfter, column.entry) << c.what;
        EXPECT_EQ(c.displayAfter, column.display) << c.what;
        EXPECT_EQ(c.starts, column.starts) << c.what;
    }
}

TEST(Keypad, IgnoresDigitsOutsideZeroToNine)
{
    for (int digit : {-1, 10, int{'0'}}) {
        std::string entry = "12";
        const KeypadAction action = EnterDigit(digit, entry);
        EXPECT_FALSE(action.setDisplay) << digit;
        EXPECT_FALSE(action.startSign) << digit;
        EXPECT_EQ("12", entry) << digit;
    }
}

}  // namespace
}  // namespace rolva
