#include "pack/PackSave.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/FileChoosers.h"
#include "base/FileMessages.h"
#include "base/FileStreams.h"
#include "base/ProgressWindow.h"
#include "base/SystemText.h"
#include "base/WindowRegistry.h"
#include "base/core/PathText.h"
#include "display/LedSign.h"
#include "document/ScenePaths.h"
#include "document/SignDocument.h"
#include "document/core/DataFileKind.h"
#include "document/core/LiveLookBlock.h"
#include "pack/PackCodec.h"
#include "pack/PackFileStreams.h"
#include "pack/core/PackPlan.h"
#include "pack/core/PackReader.h"
#include "pack/core/PackWriter.h"
#include "scene/DataFiles.h"

namespace rolva {

namespace {

const char kCaption[] = "パックで保存";
const char kPackFilter[] = "Rolvaパック(*.rvp)\0*.rvp\0";
constexpr std::size_t kMissingShown = 10;

class DiskFiles final : public PackFiles {
public:
    bool IsFile(const std::string& path) override
    {
        const DWORD attributes = FileAttributesOf(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    bool ListFolder(const std::string& folder, std::vector<std::string>* names) override
    {
        const DWORD attributes = FileAttributesOf(folder);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            return false;
        *names = ListLedFolder(folder);
        return true;
    }
};

// The scene's paths where the pictures are now: a moved scene finds them beside its file.
PackScenePaths ScenePathsOnScreen()
{
    PackScenePaths paths;
    paths.background = ExistingScenePath(gDocument.backgroundPath);
    for (int sign = 0; sign < kSignCount; ++sign) {
        paths.kinds[sign] = gDocument.signs[sign].kind;
        paths.pictures[sign] = ExistingScenePath(gDocument.signs[sign].picturePath);
    }
    return paths;
}

bool PackWithoutMissing(const std::vector<std::string>& missing)
{
    std::string text = "次の絵が見つかりません：\r\n\r\n";
    for (std::size_t i = 0; i < missing.size() && i < kMissingShown; ++i)
        text += missing[i] + "\r\n";
    if (missing.size() > kMissingShown)
        text += "ほか " + std::to_string(missing.size() - kMissingShown) + " 件\r\n";
    text += "\r\nこれらを入れずにパックを保存しますか？";
    return MessageBoxA(gApp.form, text.c_str(), kCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

PackTime LastWriteTime(const std::string& path)
{
    PackTime time;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME parts{};
    if (GetFileAttributesExW(WideFileApiPath(path).c_str(), GetFileExInfoStandard, &data) &&
        FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &parts) &&
        parts.wYear >= 1980) {
        time = PackTime{parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond};
    }
    return time;
}

// Pictures go into the pack a chunk at a time: a strip of hundreds of megabytes is never held
// whole, and the progress window answers between chunks.
constexpr std::uint32_t kCopyChunk = 64 * 1024;

enum class WriteEnd { Written, Failed, Cancelled };

// One picture into its entry; done counts the bytes of all pictures so far.
WriteEnd CopyIntoPack(const PlannedFile& picture, PackWriter& writer, Progress& progress, std::uint64_t total,
                      std::uint64_t* done, std::uint32_t* error)
{
    FileByteSource file(picture.source, FileSharing::Anyone);
    if (!file.IsOpen()) {
        *error = file.LastError();
        return WriteEnd::Failed;
    }
    if (!writer.BeginFile(picture.entry, LastWriteTime(picture.source)))
        return WriteEnd::Failed;
    std::vector<std::uint8_t> chunk(kCopyChunk);
    for (;;) {
        std::uint32_t got = 0;
        if (!file.Read(chunk.data(), kCopyChunk, &got)) {
            *error = file.LastError();
            return WriteEnd::Failed;
        }
        if (got == 0)
            break;
        *done += got;
        // A picture that grew while it was packed would make a pack no reader opens.
        if (*done > kMaxPackBytes) {
            *error = ERROR_FILE_TOO_LARGE;
            return WriteEnd::Failed;
        }
        if (!writer.WriteToFile(chunk.data(), got))
            return WriteEnd::Failed;
        if (!progress.Continue(static_cast<std::int64_t>(*done), static_cast<std::int64_t>(total)))
            return WriteEnd::Cancelled;
    }
    return writer.EndFile() ? WriteEnd::Written : WriteEnd::Failed;
}

std::uint64_t TotalSize(const std::vector<PlannedFile>& files)
{
    std::uint64_t total = 0;
    for (const PlannedFile& file : files) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(WideFileApiPath(file.source).c_str(), GetFileExInfoStandard, &data))
            total += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    return total;
}

// The scene first, then each picture; the target is replaced only when all are in.
WriteEnd WritePack(const std::string& path, const std::string& sceneEntry, const std::vector<std::uint8_t>& scene,
                   const PackPlan& plan, std::uint64_t total, std::uint32_t* error)
{
    ReplacingFileSink file(path);
    if (!file.IsOpen()) {
        *error = file.LastError();
        return WriteEnd::Failed;
    }
    PackFileWriter stream(file);
    {
        PackWriter writer(stream);
        ProgressWindow progress(gApp.form, kCaption, "パックを作成しています...", 500);
        PackTime now;
        SYSTEMTIME local{};
        GetLocalTime(&local);
        now = PackTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
        bool ok = writer.IsOpen() && writer.AddFile(sceneEntry, scene.data(), scene.size(), now);
        std::uint64_t done = 0;
        for (const PlannedFile& picture : plan.files) {
            if (!ok)
                break;
            const WriteEnd end = CopyIntoPack(picture, writer, progress, total, &done, error);
            if (end == WriteEnd::Cancelled || (end == WriteEnd::Failed && *error != 0))
                return end;
            ok = end == WriteEnd::Written;
        }
        if (!ok || !writer.Finish() || !stream.Flush()) {
            *error = stream.Error() ? stream.Error() : kErrorDiskFull;
            return WriteEnd::Failed;
        }
    }
    if (!file.Commit()) {
        *error = file.LastError();
        return WriteEnd::Failed;
    }
    return WriteEnd::Written;
}

}  // namespace

bool SaveScenePack(const std::string& path)
{
    DiskFiles disk;
    const PackPlan plan = MakePackPlan(ScenePathsOnScreen(), disk, SystemPackCodec());
    // The pack would hold a name no reader could turn back into this file.
    if (!plan.unconvertible.empty()) {
        const std::string text = "次の名前はパックに入れられない文字を含むため、パックで保存できません：\r\n\r\n" +
                                 plan.unconvertible + "\r\n\r\n名前を変えてから、もう一度保存してください。";
        MessageBoxA(gApp.form, text.c_str(), kCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    if (!plan.missing.empty() && !PackWithoutMissing(plan.missing))
        return false;
    const std::uint64_t total = TotalSize(plan.files);
    if (total > kMaxPackBytes) {
        MessageBoxA(gApp.form, "絵の合計が大きすぎるため、パックにできません（2GBまで）。", kCaption,
                    MB_OK | MB_ICONERROR);
        return false;
    }

    Ver4Scene scene;
    SceneOnScreen(&scene);
    scene.fields.backgroundPath = plan.scene.background;
    for (int sign = 0; sign < kSignCount; ++sign)
        scene.fields.signs[sign].picturePath = plan.scene.pictures[sign];
    MemoryByteSink sceneBytes;
    EncodeVer4Scene(scene, sceneBytes);

    std::string packName;
    if (!SystemPackCodec().systemToUtf8(PathName(path, IsSystemLeadByte), &packName))
        packName.clear();
    std::uint32_t error = 0;
    const WriteEnd end = WritePack(path, SceneEntryName(packName), sceneBytes.Bytes(), plan, total, &error);
    // The program is ending (the Form went while the pack was written): no box after it.
    if (end == WriteEnd::Failed && IsWindow(gApp.form))
        ShowSaveErrorMessage(error);
    return end == WriteEnd::Written;
}

void SavePackCommand()
{
    const std::string path = ChooseFileToSave(gApp.form, kPackFilter, kCaption, "rvp",
                                              [](const std::string& chosen) { return WithPackEnding(chosen); });
    if (!path.empty())
        SaveScenePack(path);
}

}  // namespace rolva
