#include "panel/core/KeypadEntry.h"

#include <cstdint>
#include <utility>

#include "display/core/NumericText.h"

namespace rolva {
namespace {

KeypadAction ShowText(std::string text, bool start)
{
    KeypadAction action;
    action.setDisplay = true;
    action.displayText = std::move(text);
    action.startSign = start;
    return action;
}

}  // namespace

KeypadAction EnterDigit(int digit, std::string& entry)
{
    if (digit < 0 || digit > 9)
        return {};
    entry += static_cast<char>('0' + digit);
    if (ReadNumericText(entry) > kKeypadMaxFrame || entry.size() > kKeypadMaxDigits)
        return ClearEntry(entry);
    return ShowText(entry, false);
}

KeypadAction ClearEntry(std::string& entry)
{
    entry.clear();
    return ShowText(std::string(), false);
}

KeypadAction StepForward(std::string_view displayText)
{
    const std::int32_t value = ReadNumericText(displayText);
    if (value == kKeypadMaxFrame)
        return {};
    // Widened: a display saturated at the int32 maximum must not overflow.
    return ShowText(WriteNumericText(std::int64_t{value} + 1), true);
}

KeypadAction StepBack(std::string_view displayText)
{
    const std::int32_t value = ReadNumericText(displayText);
    if (value == 0)
        return {};
    return ShowText(WriteNumericText(std::int64_t{value} - 1), true);
}

KeypadAction ResetDisplay()
{
    return ShowText(std::string(), false);
}

}  // namespace rolva
