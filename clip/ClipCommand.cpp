#include "clip/ClipCommand.h"

#include <cstdio>

#include "base/FileChoosers.h"
#include "base/FileMessages.h"
#include "base/FileStreams.h"
#include "base/SystemText.h"
#include "base/WindowRegistry.h"
#include "base/core/PathText.h"
#include "clip/ClipDialog.h"
#include "clip/ClipProgressWindow.h"
#include "clip/ClipSoundTrack.h"
#include "clip/core/ClipMemory.h"
#include "scene/FileCommands.h"

namespace rolva {

namespace {

const char kCaption[] = "GIFで保存";
const char kGifFilter[] = "GIF画像(*.gif)\0*.gif\0";

}  // namespace

void ShowClipResult(const ClipResult& result)
{
    switch (result.outcome) {
    case ClipOutcome::Saved:
        break;
    case ClipOutcome::Cancelled:
        MessageBoxA(gApp.form, "GIFの保存を取り消しました。ファイルは書き込まれていません。", kCaption,
                    MB_ICONINFORMATION);
        break;
    case ClipOutcome::NotRecordable:
        MessageBoxA(gApp.form, (result.problem + "\r\nGIFは保存されていません。").c_str(), kCaption,
                    MB_ICONEXCLAMATION);
        break;
    case ClipOutcome::TooLong: {
        const std::string seconds = ApproximateSeconds(result.longestMs);
        const std::string text =
            seconds == "0.0"
                ? std::string("この大きさのGIFを作るには、メモリーが足りません。\r\nGIFは保存されていません。")
                : "このGIFは長すぎて、この大きさではメモリーに収まりません。\r\nこの大きさで保存できるのは約" + seconds +
                      "秒までです。GIFは保存されていません。";
        MessageBoxA(gApp.form, text.c_str(), kCaption, MB_ICONEXCLAMATION);
        break;
    }
    case ClipOutcome::EncoderFailed: {
        char text[200];
        std::snprintf(text, sizeof text,
                      "GIFを作成できませんでした(画像の変換でエラー 0x%08lX が起きました)。ファイルは書き込まれていません。",
                      static_cast<unsigned long>(result.encoderError));
        MessageBoxA(gApp.form, text, kCaption, MB_ICONERROR);
        break;
    }
    case ClipOutcome::WriteFailed:
        ShowSaveErrorMessage(result.writeError);
        break;
    }
}

void SaveClipCommand()
{
    // The choices of the last OK, offered again for the rest of the run; at first a rest on
    // frame 0 and a roll to frame 1.
    static ClipRequest remembered = [] {
        ClipRequest request;
        request.frames = {0, 1};
        return request;
    }();
    const std::optional<ClipRequest> request = AskClipOptions(gApp.form, remembered);
    if (!request)
        return;
    remembered = *request;
    const std::string chosen = FileDialog(gApp.form, true, kGifFilter, "GIFで保存", "gif");
    if (chosen.empty())
        return;
    const std::string path = WithEndingIfNone(chosen, ".gif", IsSystemLeadByte);
    const auto keeps = [](const std::string& existing) {
        return FileAttributesOf(existing) != INVALID_FILE_ATTRIBUTES &&
               MessageBoxA(gApp.form, (existing + " は既に存在します。\r\n上書きしますか?").c_str(), kCaption,
                           MB_YESNO | MB_ICONEXCLAMATION) != IDYES;
    };
    // The file dialog asked about the name as typed; a name that got its extension here is
    // asked about now, and so is the track's, which nobody chose.
    if ((path != chosen && keeps(path)) || (request->soundTrack && keeps(SoundTrackPath(path))))
        return;
    ClipResult result;
    {
        ClipProgressWindow progress(gApp.form);
        result = ExportClip(*request, path, progress);
    }
    // The program is ending (the Form went while the clip was made): no box about the clip,
    // which would show ownerless after the main window.
    if (!IsWindow(gApp.form))
        return;
    ShowClipResult(result);
    if (result.outcome == ClipOutcome::Saved && result.soundError)
        ShowSaveErrorMessage(result.soundError);
}

}  // namespace rolva
