// The messages the data-file operations show, owned by the Form, all captioned "読み込みエラー".
#pragma once

#include <cstdint>

namespace rolva {

void ShowWrongMagicMessage();
// The fixed sentence, two line breaks and the system's text for the error code.
void ShowReadErrorMessage(std::uint32_t errorCode);
void ShowSaveErrorMessage(std::uint32_t errorCode);

}  // namespace rolva
