#include "document/core/SceneLiveLook.h"

#include <algorithm>
#include <iterator>

namespace rolva {

bool operator==(const SignLiveLook& a, const SignLiveLook& b)
{
    return a.pageTimeMs == b.pageTimeMs && a.scrollSpeed == b.scrollSpeed && a.dotLook == b.dotLook &&
           a.dotPitch == b.dotPitch && a.roundDots == b.roundDots && a.gapColour == b.gapColour &&
           a.glow == b.glow;
}

bool operator!=(const SignLiveLook& a, const SignLiveLook& b)
{
    return !(a == b);
}

SignLiveLook ClampedLiveLook(SignLiveLook look)
{
    look.pageTimeMs = std::clamp(look.pageTimeMs, kMinPageTimeMs, kMaxPageTimeMs);
    look.scrollSpeed = std::clamp(look.scrollSpeed, kMinScrollSpeed, kMaxScrollSpeed);
    look.dotPitch = std::clamp(look.dotPitch, kMinDotPitch, kMaxDotPitch);
    look.gapColour &= 0xFFFFFF;
    return look;
}

bool IsDefaultLiveLook(const SceneLiveLook& look)
{
    return std::all_of(std::begin(look.signs), std::end(look.signs),
                       [](const SignLiveLook& sign) { return sign == SignLiveLook(); });
}

}  // namespace rolva
