#include "document/SignDocument.h"

namespace rolva {

SignDocument gDocument;

void ResetDocument()
{
    gDocument.backgroundPath.clear();
    gDocument.backgroundBitmap.Reset();
    gDocument.sceneFolder.clear();
    for (SignSlot& slot : gDocument.signs) {
        slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
        slot.speed = 0;
        slot.interval = 0;
        slot.cornerRadius = 0;
        slot.picturePath.clear();
        slot.liveLook = SignLiveLook{};
        slot.manuscriptFrames = 1;
        slot.currentFrame = 0;
        slot.targetFrame = 0;
        slot.scrollOffset = 0;
        slot.pictureBitmap.Reset();
        slot.region = nullptr;
        slot.keypadEntry.clear();
    }
}

}  // namespace rolva
