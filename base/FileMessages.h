// The messages the data-file operations show, owned by the Form, all captioned "読み込みエラー".
#pragma once

#include <cstdint>
#include <string>

namespace rolva {

// The sentence, two line breaks and the system's text for the error code.
std::string ErrorWithSystemText(const std::string& sentence, std::uint32_t errorCode);

void ShowWrongMagicMessage();
// The fixed sentence, two line breaks and the system's text for the error code.
void ShowReadErrorMessage(std::uint32_t errorCode);
// The same, and where the contents are when the save failed after the old file had left its name.
void ShowSaveErrorMessage(std::uint32_t errorCode);
std::string SaveErrorText(std::uint32_t errorCode);
// What a failed save left where the user must find it (FilesLeftByLastSave), one sentence each;
// empty when the file is as it was.
std::string FilesLeftText();
// A recent file that is gone: says so, naming it, and that it left the list.
void ShowMissingRecentFileMessage(const std::string& path);

}  // namespace rolva
