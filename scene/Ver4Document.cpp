// The Ver4 data file on the document and the windows.
#include <windows.h>

#include "base/FileMessages.h"
#include "base/FileStreams.h"
#include "base/WindowRegistry.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "document/core/LiveLookBlock.h"
#include "document/core/Ver4File.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "scene/DataFiles.h"
#include "scene/DocumentApply.h"

namespace rolva {

namespace {

// Applies fields 1..fieldsRead of a decoded file in file order, as if each were applied the
// moment it was read, then the live look after them (the defaults when the file has none).
void ApplyVer4Scene(const Ver4Scene& scene, int fieldsRead)
{
    const Ver4Record& record = scene.fields;
    auto read = [fieldsRead](int field) { return field <= fieldsRead; };
    if (read(kVer4BackgroundPathField))
        gDocument.backgroundPath = record.backgroundPath;
    if (read(kVer4FormWidthField))
        SetFormOuterWidth(record.formWidth);
    if (read(kVer4FormHeightField))
        SetFormOuterHeight(record.formHeight);

    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignRecord& s = record.signs[sign];
        auto signRead = [&](Ver4SignField field) { return read(Ver4SignFieldNumber(sign, field)); };
        SignSlot& slot = gDocument.signs[sign];
        if (signRead(Ver4SignField::Kind))
            slot.kind = static_cast<std::uint8_t>(s.kind);
        if (signRead(Ver4SignField::Left))
            SetSignLeft(sign, s.left);
        if (signRead(Ver4SignField::Top))
            SetSignTop(sign, s.top);
        if (signRead(Ver4SignField::Width))
            SetSignWidth(sign, s.width);
        if (signRead(Ver4SignField::Height))
            SetSignHeight(sign, s.height);
        if (signRead(Ver4SignField::Speed))
            SetSpeedField(sign, s.speed);
        if (signRead(Ver4SignField::Interval))
            SetIntervalField(sign, s.interval);
        if (signRead(Ver4SignField::CornerRadius))
            slot.cornerRadius = s.cornerRadius;
        if (signRead(Ver4SignField::PicturePath))
            slot.picturePath = s.picturePath;
        slot.liveLook = scene.live.signs[sign];
    }
}

void ShowFirstSignByKind()
{
    ClearSignPicture(0);
    switch (static_cast<SignKind>(gDocument.signs[0].kind)) {
    case SignKind::Roll:
        ReloadSignStrip(0);
        ShowSign(0, 1);
        break;
    case SignKind::Led:
        MoveSignPictureHome(0);
        SetNumberDisplay(0, "0");
        StartSign(0);
        ShowSign(0, 1);
        break;
    default:
        ShowSign(0, 0);
        break;
    }
}

void ShowSecondSignByKind()
{
    ClearSignPicture(1);
    switch (static_cast<SignKind>(gDocument.signs[1].kind)) {
    case SignKind::Roll:
        ReloadSignStrip(1);
        ShowSign(1, 1);
        SetPanelOuterWidth(kPanelWidthBoth);
        break;
    case SignKind::Led:
        MoveSignPictureHome(1);
        ShowSign(1, 1);
        SetNumberDisplay(1, "0");
        StartSign(1);
        SetPanelOuterWidth(kPanelWidthBoth);
        break;
    case SignKind::Hidden:
        ShowSign(1, 0);
        SetPanelOuterWidth(kPanelWidthFirstOnly);
        break;
    default:
        // A kind no version writes: the sign and the panel stay as they were.
        break;
    }
}

}  // namespace

FileReadOutcome ReadVer4File(const std::string& path)
{
    Ver4Scene scene;
    const FileReadOutcome outcome = ReadAndApply(path, DecodeVer4Scene, ApplyVer4Scene, &scene);
    if (outcome != FileReadOutcome::Whole)
        return outcome;

    ReloadBackground();
    ShowFirstSignByKind();
    ShowSecondSignByKind();
    for (int sign = 0; sign < kSignCount; ++sign)
        ApplySignRegion(sign);
    for (int sign = 0; sign < kSignCount; ++sign)
        ResetSign(sign);
    return outcome;
}

void SceneOnScreen(Ver4Scene* onScreen)
{
    Ver4Scene& scene = *onScreen;
    scene = Ver4Scene{};
    Ver4Record& record = scene.fields;
    record.backgroundPath = gDocument.backgroundPath;
    record.formWidth = gApp.formRecord.Width();
    record.formHeight = gApp.formRecord.Height();
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignSlot& slot = gDocument.signs[sign];
        SignRecord& s = record.signs[sign];
        s.kind = static_cast<SignKind>(slot.kind);
        s.left = SignLeft(sign);
        s.top = SignTop(sign);
        s.width = SignWidth(sign);
        s.height = SignHeight(sign);
        s.speed = slot.speed;
        s.interval = slot.interval;
        s.cornerRadius = slot.cornerRadius;
        s.picturePath = slot.picturePath;
        scene.live.signs[sign] = slot.liveLook;
    }
}

bool WriteVer4File(const std::string& path)
{
    Ver4Scene scene;
    SceneOnScreen(&scene);
    const std::uint32_t error = WriteUserFile(path, [&scene](ByteSink& sink) {
        const WriteResult written = EncodeVer4Scene(scene, sink);
        return written.ok ? 0 : written.errorCode;
    });
    // Saying nothing here would let the user believe the scene was saved.
    if (error != 0) {
        ShowSaveErrorMessage(error);
        return false;
    }
    return true;
}

}  // namespace rolva
