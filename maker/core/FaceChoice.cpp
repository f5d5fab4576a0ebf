#include "maker/core/FaceChoice.h"

namespace rolva {

std::string ReplacementFace(const std::vector<InstalledFace>& installed, const std::string& fallback)
{
    for (const InstalledFace& face : installed) {
        if (face.charset == kJapaneseCharset && !face.name.empty() && face.name[0] != '@')
            return face.name;
    }
    return fallback;
}

}  // namespace rolva
