// Control IDs of the Form's children.
#pragma once

namespace rolva {

constexpr int kSignPictureIds[2] = {1000, 1001};  // bitmap controls inside the sign frames
constexpr int kLedFileListIds[2] = {1004, 1005};  // hidden scratch lists of LED frame files

}  // namespace rolva
