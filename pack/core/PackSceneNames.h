// The picture paths inside a pack's scene. The scene is data from elsewhere like the rest of the
// pack: a path in it that left the unpacked folder would read files the pack never held, or
// reach a server (\\host\share) as soon as the scene is shown.
#pragma once

#include <string_view>

#include "base/core/PathText.h"
#include "pack/core/PackReader.h"

namespace rolva {

// True for "" and for a path relative to the pack's top, with no "." or ".." part, that names
// an entry the pack holds: a file, or a folder with entries in it. Case is ignored as Windows
// ignores it; '\' and '/' both separate; one separator may end a folder's path.
bool NamesPackedEntry(std::string_view storedPath, const PackDirectory& directory, LeadByteTest isLeadByte);

}  // namespace rolva
