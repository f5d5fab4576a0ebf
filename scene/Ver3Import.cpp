// The earlier Ver3 and digital Ver3 data files on the document and the windows.
#include <windows.h>

#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "document/core/Ver3File.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "scene/DataFiles.h"
#include "scene/DocumentApply.h"

namespace rolva {

namespace {

constexpr std::int16_t kSignOff = 1;
constexpr std::int16_t kBothKeypads = 2;

// Older files know no live look: their signs take the defaults.
void ResetLiveLooks()
{
    for (SignSlot& slot : gDocument.signs)
        slot.liveLook = SignLiveLook{};
}

void ApplyVer3Fields(const Ver3Record& record, int fieldsRead)
{
    ResetLiveLooks();
    auto read = [fieldsRead](int element) { return element <= fieldsRead; };
    if (read(kVer3BackgroundPathElement))
        gDocument.backgroundPath = record.backgroundPath;
    if (read(kVer3FormHeightElement))
        SetFormOuterHeight(record.formHeight);
    if (read(kVer3FormWidthElement))
        SetFormOuterWidth(record.formWidth);

    for (int sign = 0; sign < kSignCount; ++sign) {
        const Ver3SignRecord& s = record.signs[sign];
        auto signRead = [&](Ver3SignElement element) { return read(Ver3SignElementNumber(sign, element)); };
        SignSlot& slot = gDocument.signs[sign];
        if (signRead(Ver3SignElement::PicturePath))
            slot.picturePath = s.picturePath;
        if (signRead(Ver3SignElement::Left))
            SetSignLeft(sign, s.left);
        if (signRead(Ver3SignElement::Top))
            SetSignTop(sign, s.top);
        if (signRead(Ver3SignElement::Height))
            SetSignHeight(sign, s.height);
        if (signRead(Ver3SignElement::Width))
            SetSignWidth(sign, s.width);
        if (signRead(Ver3SignElement::CornerRadius))
            slot.cornerRadius = s.cornerRadius;
        if (signRead(Ver3SignElement::Speed))
            SetSpeedField(sign, s.speed);
        if (signRead(Ver3SignElement::Interval))
            SetIntervalField(sign, s.interval);
    }

    if (read(Ver3SignOffElementNumber(0))) {
        ShowSign(0, record.signOff[0] == kSignOff ? 0 : 1);
        gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Roll);
    }
    if (read(Ver3SignOffElementNumber(1))) {
        const bool off = record.signOff[1] == kSignOff;
        ShowSign(1, off ? 0 : 1);
        gDocument.signs[1].kind = static_cast<std::uint8_t>(off ? SignKind::Hidden : SignKind::Roll);
    }
}

void ApplyDigitalVer3Fields(const DigitalVer3Record& record, int fieldsRead)
{
    ResetLiveLooks();
    auto read = [fieldsRead](int element) { return element <= fieldsRead; };
    auto signRead = [&](Ver3SignElement element) { return read(Ver3SignElementNumber(0, element)); };
    if (read(kVer3BackgroundPathElement))
        gDocument.backgroundPath = record.backgroundPath;
    if (read(kVer3FormHeightElement))
        SetFormOuterHeight(record.formHeight);
    if (read(kVer3FormWidthElement))
        SetFormOuterWidth(record.formWidth);
    if (signRead(Ver3SignElement::PicturePath))
        gDocument.signs[0].picturePath = record.folderPath;
    if (signRead(Ver3SignElement::Left))
        SetSignLeft(0, record.left);
    if (signRead(Ver3SignElement::Top))
        SetSignTop(0, record.top);
    if (signRead(Ver3SignElement::Height))
        SetSignHeight(0, record.height);
    if (signRead(Ver3SignElement::Width))
        SetSignWidth(0, record.width);
    if (signRead(Ver3SignElement::CornerRadius))
        gDocument.signs[0].cornerRadius = record.cornerRadius;
}

}  // namespace

FileReadOutcome ReadVer3File(const std::string& path)
{
    Ver3Record record;
    const FileReadOutcome outcome = ReadAndApply(path, DecodeVer3, ApplyVer3Fields, &record);
    if (outcome != FileReadOutcome::Whole)
        return outcome;

    ReloadBackground();
    for (int sign = 0; sign < kSignCount; ++sign)
        ReloadSignStrip(sign);
    SetPanelOuterWidth(record.keypadCount == kBothKeypads ? kPanelWidthBoth : kPanelWidthFirstOnly);
    for (int sign = 0; sign < kSignCount; ++sign)
        ApplySignRegion(sign);
    for (int sign = 0; sign < kSignCount; ++sign)
        StartSign(sign);
    return outcome;
}

FileReadOutcome ReadDigitalVer3File(const std::string& path)
{
    DigitalVer3Record record;
    const FileReadOutcome outcome = ReadAndApply(path, DecodeDigitalVer3, ApplyDigitalVer3Fields, &record);
    if (outcome != FileReadOutcome::Whole)
        return outcome;

    ShowSign(0, 1);
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Led);
    ShowSign(1, 0);
    gDocument.signs[1].kind = static_cast<std::uint8_t>(SignKind::Hidden);
    gDocument.signs[1].picturePath.clear();

    ReloadBackground();
    for (int sign = 0; sign < kSignCount; ++sign) {
        ClearSignPicture(sign);
        MoveSignPictureHome(sign);
        SetNumberDisplay(sign, "0");
    }
    SetPanelOuterWidth(kPanelWidthFirstOnly);
    for (int sign = 0; sign < kSignCount; ++sign)
        ApplySignRegion(sign);
    for (int sign = 0; sign < kSignCount; ++sign)
        StartSign(sign);
    return outcome;
}

}  // namespace rolva
