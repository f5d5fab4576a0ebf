#include "document/core/SignKind.h"

namespace rolva {

const char* SignKindLabel(std::uint8_t kind)
{
    switch (static_cast<SignKind>(kind)) {
    case SignKind::Roll:
        return "幕式";
    case SignKind::Led:
        return "LED風";
    case SignKind::Hidden:
        return "使用しない（非表示）";
    }
    return nullptr;
}

}  // namespace rolva
