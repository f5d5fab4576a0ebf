#include "base/WindowText.h"

namespace rolva {

std::string WindowText(HWND window)
{
    // The length can overstate (double-byte text measured in characters) but never understate;
    // the copy says how much there really was.
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace rolva
