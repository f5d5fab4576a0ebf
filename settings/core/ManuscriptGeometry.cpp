#include "settings/core/ManuscriptGeometry.h"

#include <limits>

#include "document/core/SignKind.h"

namespace rolva {

int ManuscriptFrameCount(std::uint8_t kind, std::int16_t storedFrames)
{
    if (kind == static_cast<std::uint8_t>(SignKind::Led))
        return 1;
    return storedFrames < 1 ? 1 : storedFrames;
}

std::optional<ManuscriptGeometry> MakeManuscriptGeometry(int width, int frameHeight, int frames)
{
    if (width < 1 || frameHeight < 1 || frames < 1)
        return std::nullopt;
    const std::int64_t height = static_cast<std::int64_t>(frameHeight) * frames;
    if (height > std::numeric_limits<int>::max())
        return std::nullopt;
    return ManuscriptGeometry{width, frameHeight, frames, static_cast<int>(height)};
}

std::vector<int> ManuscriptLineRows(const ManuscriptGeometry& geometry)
{
    std::vector<int> rows;
    if (geometry.frames < 2)
        return rows;
    for (int k = 0; k < geometry.frames; ++k)
        rows.push_back(k * geometry.frameHeight);
    return rows;
}

}  // namespace rolva
