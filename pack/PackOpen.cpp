#include "pack/PackOpen.h"

#include <windows.h>

#include "base/FileMessages.h"
#include "base/FileStreams.h"
#include "base/OwnFiles.h"
#include "base/ProgressWindow.h"
#include "base/SystemText.h"
#include "base/WindowRegistry.h"
#include "base/core/PathText.h"
#include "document/ScenePaths.h"
#include "document/SignDocument.h"
#include "document/core/LiveLookBlock.h"
#include "document/core/SignKind.h"
#include "pack/PackCodec.h"
#include "pack/PackFileStreams.h"
#include "pack/PackFolder.h"
#include "pack/core/PackFaultText.h"
#include "pack/core/PackSceneNames.h"

namespace rolva {

namespace {

void ShowBadPackMessage(PackFault fault)
{
    const std::string text = std::string("パックを開けませんでした。\r\n\r\n") + PackFaultText(fault);
    MessageBoxA(gApp.form, text.c_str(), "読み込みエラー", MB_OK | MB_ICONERROR);
}

// error: the system's code for why, 0 when there is none to tell.
void ShowFolderMessage(const std::string& folder, std::uint32_t error)
{
    std::string text = "パックを展開するフォルダーに書き込めませんでした。\r\n\r\n" + folder;
    if (error != 0)
        text = ErrorWithSystemText(text, error);
    MessageBoxA(gApp.form, text.c_str(), "読み込みエラー", MB_OK | MB_ICONERROR);
}

// What a pack holds at most and the headers and names of its entries: a larger file is no pack.
constexpr std::uint64_t kMaxPackFileBytes = kMaxPackBytes + 256ull * 1024 * 1024;

bool IsFolder(const std::string& path)
{
    const DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The per-user folder and its Packs folder, made where missing.
bool MakeRoot(const std::string& root, std::uint32_t* error)
{
    CreateDirectoryW(WideFileApiPath(OwnFileFoldersInUse().perUser).c_str(), nullptr);
    if (!CreateDirectoryW(WideFileApiPath(root).c_str(), nullptr))
        *error = GetLastError();
    return IsFolder(root);
}

// The pack into folder by way of a part folder of this run's own; the scene's path inside it, or
// a fault.
PackProblem UnpackInto(FileByteSource& file, const std::string& folder, PackDirectory* directory)
{
    PartFolder partFolder(folder);
    if (!partFolder.IsMade())
        return PackProblem{PackFault::WriteFailed, {}, partFolder.Error()};
    const std::string& part = partFolder.Path();

    PackProblem problem;
    {
        PackFileReader stream(file);
        FolderTarget target(part);
        ProgressWindow progress(gApp.form, "パックを開く", "パックを展開しています...", 500);
        problem = UnpackPack(stream, SystemPackCodec(), target, &progress, directory);
    }
    if (problem.fault != PackFault::None)
        return problem;
    // Another run of the program unpacked the same pack meanwhile: its folder serves, and the
    // part goes with partFolder.
    if (IsFolder(folder))
        return problem;
    // A scanner looking into a file just written holds the folder's rename off for a moment.
    const DWORD error = MoveWithRetries(WideFileApiPath(part), WideFileApiPath(folder), 0);
    if (error != 0 && !IsFolder(folder))
        return PackProblem{PackFault::WriteFailed, {}, error};
    return problem;
}

bool UsesPicture(SignKind kind) { return kind == SignKind::Roll || kind == SignKind::Led; }

// Whether the background and each shown sign's picture are ones the pack unpacked, read before
// the scene is applied: showing it reaches whatever its paths name.
bool ScenePicturesArePacked(const std::string& scenePath, const PackDirectory& directory)
{
    FileByteSource file(scenePath);
    Ver4Scene scene;
    if (file.IsOpen())
        DecodeVer4Scene(file, &scene);  // what a scene cut short holds is applied too: checked alike
    const Ver4Record& record = scene.fields;
    if (!NamesPackedEntry(record.backgroundPath, directory, IsSystemLeadByte))
        return false;
    for (const SignRecord& sign : record.signs) {
        if (UsesPicture(sign.kind) && !NamesPackedEntry(sign.picturePath, directory, IsSystemLeadByte))
            return false;
    }
    return true;
}

// A sign that shows no picture keeps its path as the scene was saved with it, unless that path
// leads out of the pack: then choosing a kind that shows one later would follow it.
void DropPathsOutOfPack(const PackDirectory& directory)
{
    for (SignSlot& slot : gDocument.signs) {
        if (!UsesPicture(static_cast<SignKind>(slot.kind)) &&
            !NamesPackedEntry(slot.picturePath, directory, IsSystemLeadByte))
            slot.picturePath.clear();
    }
}

// The scene names its pictures relative to itself; once read they get their full places, so
// that a scene saved elsewhere from here still finds them.
void MakeScenePathsFull()
{
    gDocument.backgroundPath = ExistingScenePath(gDocument.backgroundPath);
    for (SignSlot& slot : gDocument.signs) {
        const SignKind kind = static_cast<SignKind>(slot.kind);
        if (kind == SignKind::Roll || kind == SignKind::Led)
            slot.picturePath = ExistingScenePath(slot.picturePath);
    }
}

}  // namespace

FileReadOutcome OpenPackFile(const std::string& path)
{
    FileByteSource file(path);
    if (!file.IsOpen())
        return FileReadOutcome::NotRead;  // as for a data file that cannot be opened

    // The cheap refusals first: a file larger than any pack, then the directory alone, before
    // the whole file is read for its key.
    std::uint64_t size = 0;
    if (file.Size(&size) && size > kMaxPackFileBytes) {
        ShowBadPackMessage(PackFault::TooLarge);
        return FileReadOutcome::NotRead;
    }
    PackDirectory directory;
    PackProblem problem;
    {
        PackFileReader stream(file);
        problem = CheckPack(stream, SystemPackCodec(), &directory);
    }
    if (problem.fault != PackFault::None) {
        ShowBadPackMessage(problem.fault);
        return FileReadOutcome::NotRead;
    }

    const std::string root = PackFoldersRoot();
    std::string key;
    std::uint32_t error = 0;
    bool keyed = false;
    {
        ProgressWindow progress(gApp.form, "パックを開く", "パックを調べています...", 500);
        keyed = PackKey(file, &progress, &key, &error);
    }
    if (!IsWindow(gApp.form) || (!keyed && error == ERROR_CANCELLED))
        return FileReadOutcome::NotRead;
    if (!keyed) {
        ShowBadPackMessage(PackFault::Damaged);
        return FileReadOutcome::NotRead;
    }
    error = 0;
    if (root.empty() || !MakeRoot(root, &error)) {
        ShowFolderMessage(root, error);
        return FileReadOutcome::NotRead;
    }
    const std::string folder = JoinFolderPath(root, key, IsSystemLeadByte);
    TidyPackFolders(root, folder);

    // Unpacked whole before, the directory read above says where the scene is.
    if (IsFolder(folder))
        MarkPackFolderUsed(folder);
    else
        problem = UnpackInto(file, folder, &directory);
    if (!IsWindow(gApp.form))
        return FileReadOutcome::NotRead;  // the program ended under the unpacking
    if (problem.fault == PackFault::Cancelled)
        return FileReadOutcome::NotRead;
    if (problem.fault == PackFault::WriteFailed) {
        ShowFolderMessage(folder, problem.errorCode);
        return FileReadOutcome::NotRead;
    }
    if (problem.fault != PackFault::None) {
        ShowBadPackMessage(problem.fault);
        return FileReadOutcome::NotRead;
    }

    FolderTarget names(folder);
    const std::string scenePath = names.FullPath(directory.scenePath);
    if (!ScenePicturesArePacked(scenePath, directory)) {
        RemoveFolderTree(folder);  // a refused pack leaves nothing
        ShowBadPackMessage(PackFault::BadName);
        return FileReadOutcome::NotRead;
    }
    const FileReadOutcome outcome = ReadVer4File(scenePath);
    if (outcome != FileReadOutcome::NotRead)
        DropPathsOutOfPack(directory);
    if (outcome == FileReadOutcome::Whole)
        MakeScenePathsFull();
    return outcome;
}

}  // namespace rolva
