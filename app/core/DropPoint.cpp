#include "app/core/DropPoint.h"

namespace rolva {

DropPoint UnpackMessagePos(std::uint32_t packed)
{
    DropPoint point;
    point.x = static_cast<std::int16_t>(static_cast<std::uint16_t>(packed & 0xFFFFu));
    point.y = static_cast<std::int16_t>(static_cast<std::uint16_t>(packed >> 16));
    return point;
}

int SignUnderDrop(std::uint32_t messagePos, DropPoint clientOrigin, int clientWidth, int clientHeight,
                  const std::vector<DropChild>& childrenTopFirst)
{
    const DropPoint screen = UnpackMessagePos(messagePos);
    const int x = screen.x - clientOrigin.x;
    const int y = screen.y - clientOrigin.y;
    if (x < 0 || y < 0 || x >= clientWidth || y >= clientHeight)
        return -1;
    for (const DropChild& child : childrenTopFirst) {
        if (!child.visible)
            continue;
        if (x >= child.left && x < child.right && y >= child.top && y < child.bottom)
            return child.sign;
    }
    return -1;
}

}  // namespace rolva
