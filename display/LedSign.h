// LED-style signs: each frame is a picture file of the sign's folder, frame n being the
// (n+1)-th file in sorted order. The folder is listed anew at every switch, so files added or
// removed take effect at the next key press; a switch shows its picture at once.
#pragma once

#include <string>

namespace rolva {

// Shows the frame the sign's number display names; a missing folder, an empty one or a frame
// past the last file leaves the picture as it was.
void SwitchLedFrame(int sign);

// Replaces the sign's picture with the given file (a file that is no picture shows nothing).
void ShowLedFrame(int sign, const std::string& path);

// Lists the folder pattern into the sign's hidden list box, sorted as the list box sorts.
void ListLedFolder(int sign, const std::string& pattern);
int LedFileCount(int sign);
std::string LedFileName(int sign, int index);

}  // namespace rolva
