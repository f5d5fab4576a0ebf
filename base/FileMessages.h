// The messages the data-file operations show, owned by the Form, all captioned "読み込みエラー".
#pragma once

#include <cstdint>
#include <string>

namespace rolva {

void ShowWrongMagicMessage();
// The fixed sentence, two line breaks and the system's text for the error code.
void ShowReadErrorMessage(std::uint32_t errorCode);
void ShowSaveErrorMessage(std::uint32_t errorCode);
// A recent file that is gone: says so, naming it, and that it left the list.
void ShowMissingRecentFileMessage(const std::string& path);

}  // namespace rolva
