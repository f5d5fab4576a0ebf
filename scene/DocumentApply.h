// Steps the data-file readers share when they put what they read into the document and onto
// the windows.
#pragma once

#include <cstdint>
#include <string>

#include "base/FileMessages.h"
#include "base/FileStreams.h"
#include "display/LedSign.h"
#include "document/FileDecoding.h"
#include "document/ScenePaths.h"
#include "scene/DataFiles.h"

namespace rolva {

void SetFormOuterWidth(int width);
void SetFormOuterHeight(int height);
void SetPanelOuterWidth(int width);

// Sends the low 16 bits of the value to a sign's speed or interval up-down, which shows it in
// its field; the sign's slot keeps its own value until the next roll starts.
void SetSpeedField(int sign, std::int32_t value);
void SetIntervalField(int sign, std::int32_t value);

// Replaces the background bitmap with the picture of the document's background path.
void ReloadBackground();

// Frees the sign's picture and leaves its control showing nothing, so no freed bitmap is drawn.
void ClearSignPicture(int sign);
// Loads the sign's strip from its picture path and shows it at the top.
void ReloadSignStrip(int sign);
// Puts the sign's picture control back at the top without touching its picture.
void MoveSignPictureHome(int sign);

void SetNumberDisplay(int sign, const std::string& text);

// Decodes a data file and applies the fields read whole, in file order. Whole when the whole
// file was read; otherwise after the message the failure calls for (none for a file that could
// not be opened, nothing applied for a file of another kind).
template <typename Record, typename Decoder, typename Apply>
FileReadOutcome ReadAndApply(const std::string& path, Decoder decode, Apply apply, Record* record)
{
    ReadResult result;
    if (!DecodeFile(path, decode, record, &result))
        return FileReadOutcome::NotRead;
    if (result.status == ReadStatus::WrongMagic) {
        ShowWrongMagicMessage();
        return FileReadOutcome::NotRead;
    }
    SetSceneFolderFrom(path);
    apply(*record, result.fieldsRead);
    ReleaseLedFolderWatches();  // a folder the scene no longer shows is let go at once
    if (result.status != ReadStatus::Ok) {
        ShowReadErrorMessage(result.errorCode);
        return FileReadOutcome::Partly;
    }
    return FileReadOutcome::Whole;
}

}  // namespace rolva
