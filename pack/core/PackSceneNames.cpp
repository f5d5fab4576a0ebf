#include "pack/core/PackSceneNames.h"

#include <string>

namespace rolva {

namespace {

// The path with '/' for every separator and ASCII letters in lower case, the second byte of a
// two-byte character left as it is (it may be '\' or a letter); false for an empty part (a
// leading separator, "\\host"), ".", ".." or a ':' (a drive or a stream).
bool Canonical(std::string_view path, LeadByteTest isLeadByte, std::string* out)
{
    out->clear();
    std::string part;
    const auto endPart = [&]() {
        if (part.empty() || part == "." || part == ".." || part.find(':') != std::string::npos)
            return false;
        if (!out->empty())
            *out += '/';
        *out += part;
        part.clear();
        return true;
    };
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = CharacterLength(path, i, isLeadByte);
        const char c = path[i];
        if (length == 2) {
            part.append(path.substr(i, 2));
        } else if (c == '\\' || c == '/') {
            if (!endPart())
                return false;
            // One separator may end a folder's path.
            if (i + 1 == path.size())
                return true;
        } else {
            part += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        i += length;
    }
    return endPart();
}

}  // namespace

bool NamesPackedEntry(std::string_view storedPath, const PackDirectory& directory, LeadByteTest isLeadByte)
{
    if (storedPath.empty())
        return true;
    std::string wanted;
    if (!Canonical(storedPath, isLeadByte, &wanted))
        return false;
    std::string entry;
    for (const PackEntry& packed : directory.entries) {
        if (!Canonical(packed.path, isLeadByte, &entry))
            continue;
        // The entry itself, or one inside the folder wanted.
        if (entry == wanted || (entry.size() > wanted.size() && entry.compare(0, wanted.size(), wanted) == 0 &&
                                entry[wanted.size()] == '/'))
            return true;
    }
    return false;
}

}  // namespace rolva
