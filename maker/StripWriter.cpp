#include "maker/StripWriter.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <set>

#include "base/FileMessages.h"
#include "base/FileStreams.h"
#include "base/SystemText.h"
#include "base/core/PathText.h"
#include "display/LedSign.h"
#include "maker/FrameDrawing.h"
#include "maker/core/StripFile.h"

namespace rolva {

namespace {

WriteResult Failure(std::string message)
{
    return WriteResult{false, false, std::move(message)};
}

WriteResult Cancelled()
{
    return WriteResult{false, true, {}};
}

const char kCannotWrite[] = "」に書き込めませんでした。\r\n読み取り専用でないか、ディスクの空きと名前を確かめてください。";

// The one text for a file the maker could not write, whatever the system said; where a
// replacement failed after the old file had left its name, it says where each went instead.
std::string CannotWrite(const std::string& path, const std::string& left = {})
{
    return "「" + path + kCannotWrite + "\r\n" + (left.empty() ? "方向幕は元の画像のままです。" : left);
}

// An LED folder whose old frames could not all be put back: which files hold them.
std::string FolderMixed(const std::string& path, const std::vector<std::string>& oldFrames)
{
    std::string text = "「" + path + kCannotWrite +
                       "\r\n元の画像に戻せなかった幕があります。元の画像は次のファイルに残っています：";
    for (const std::string& frame : oldFrames)
        text += "\r\n" + frame;
    return text;
}

std::string ListNotSaved(const std::string& path)
{
    return "幕は書き込みましたが、一覧の保存に失敗しました：\r\n" + path;
}

std::string TooMany(const FrameList& list)
{
    return "幕は" + std::to_string(kMaxMakerFrames) + "枚までです（一覧には" + std::to_string(list.lineCount) +
           "枚あります）。";
}

// What stops a list from being drawn at all, or an empty string.
std::string ListProblem(const FrameList& list, const MakerStyle& style)
{
    if (list.TooMany())
        return TooMany(list);
    if (list.frames.empty())
        return "幕の一覧が空です。1行に1枚ずつ行き先を書いてください。";
    if (!FontFaceInstalled(style.face))
        return "フォント「" + style.face + "」が見つかりません。書体を選び直してください。";
    return {};
}

std::string StripCheckMessage(StripCheck check, const FrameList& list, int width, int height)
{
    switch (check) {
    case StripCheck::Ok:
        return {};
    case StripCheck::NoFrames:
        return "幕の一覧が空です。";
    case StripCheck::TooManyFrames:
        return TooMany(list);
    case StripCheck::TooDeep:
        return "幕が大きすぎます。幅×高さ×枚数は" + std::to_string(kMaxStripPixels) + "ピクセルまでです（" +
               std::to_string(width) + "×" + std::to_string(height) + "×" + std::to_string(list.frames.size()) +
               "枚）。枚数を減らすか、方向幕を小さくしてください。";
    case StripCheck::BadSize:
        return "方向幕の大きさ（" + std::to_string(width) + "×" + std::to_string(height) + "）では幕を作れません。";
    }
    return {};
}

bool SaveMakerFile(const std::string& path, const MakerDocument& document, DWORD attributes)
{
    const std::string text = EncodeMakerFile(document);
    return WriteUserFileBytes(path, text.data(), text.size(), attributes) == 0;
}

// An old frame past the end of a new list, moved out of the sign's sight until the new frames
// are all in place.
struct AsideFrame {
    std::string path;
    std::string backup;
    DWORD attributes;  // its own, before it was hidden
};

std::optional<AsideFrame> SetAside(const std::string& path)
{
    AsideFrame aside{path, FreeBackupPath(path), FileAttributesOf(path)};
    if (aside.backup.empty() || MoveWithRetries(WideFileApiPath(path), WideFileApiPath(aside.backup), 0) != 0)
        return std::nullopt;
    SetFileAttributesW(WideFileApiPath(aside.backup).c_str(), (aside.attributes & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_HIDDEN);
    return aside;
}

// The frame back under its name as it was; false when it stays under the backup name, which is
// then named to the user and so not hidden from them.
bool PutBack(const AsideFrame& aside)
{
    const bool back = MoveWithRetries(WideFileApiPath(aside.backup), WideFileApiPath(aside.path), MOVEFILE_WRITE_THROUGH) == 0;
    SetFileAttributesW(WideFileApiPath(back ? aside.path : aside.backup).c_str(), aside.attributes);
    return back;
}

// One picture of an LED folder: a frame's first page or a further one.
struct FolderPicture {
    const FrameLine* line;  // borrowed from the list
    std::string name;
};

// Every picture of the list's frames, each frame's own file before its further pages.
std::vector<FolderPicture> FolderPictures(const FrameList& list)
{
    std::vector<FolderPicture> pictures;
    for (std::size_t n = 0; n < list.frames.size(); ++n) {
        pictures.push_back({&list.frames[n], LedFrameFileName(n)});
        for (std::size_t k = 0; k < list.morePages[n].size(); ++k)
            pictures.push_back({&list.morePages[n][k], LedPageFileName(n, k + 2)});
    }
    return pictures;
}

// The maker's pictures already in the folder that the new list does not write: frames past its
// last one, and pages it does not have (which the sign would show among the new ones).
std::vector<std::string> OldPicturesPastTheList(const std::string& folder, const FrameList& list,
                                                const std::vector<FolderPicture>& pictures)
{
    std::vector<std::string> old;
    for (std::size_t k = list.frames.size(); k < kMaxMakerFrames; ++k) {
        if (FileAttributesOf(JoinFolderPath(folder, LedFrameFileName(k), IsSystemLeadByte)) != INVALID_FILE_ATTRIBUTES)
            old.push_back(LedFrameFileName(k));
    }
    std::set<std::string> written;
    for (const FolderPicture& picture : pictures)
        written.insert(picture.name);
    for (const std::string& name : ListLedFolder(folder)) {
        // Such a name differs from the one written, if at all, only in its ending's case.
        if (IsLedPageFileName(name) && !written.count(name.substr(0, name.size() - 4) + ".bmp"))
            old.push_back(name);
    }
    return old;
}

}  // namespace

WriteResult WriteRollStrip(const std::string& path, const FrameList& list, const MakerDocument& document,
                           int width, int height, Progress& progress)
{
    if (std::string problem = ListProblem(list, document.style); !problem.empty())
        return Failure(problem);
    if (std::string problem = StripCheckMessage(CheckStrip(list.frames.size(), width, height), list, width, height);
        !problem.empty())
        return Failure(problem);
    const DibCanvas canvas(width, static_cast<int>(list.frames.size()) * height);
    if (!canvas.Valid())
        return Failure("幕を描くためのメモリーが足りません。");
    if (!DrawStrip(canvas, list.frames, height, document.style, progress))
        return Cancelled();
    const auto bytes = EncodeBmp24(canvas.Pixels(), canvas.Width(), canvas.Height(), canvas.Width());
    if (bytes.empty())
        return Failure(CannotWrite(path));
    if (WriteUserFileBytes(path, bytes.data(), bytes.size()) != 0)
        return Failure(CannotWrite(path, FilesLeftText()));
    if (!SaveMakerFile(MakerFileOfStrip(path, IsSystemLeadByte), document, FILE_ATTRIBUTE_NORMAL))
        return Failure(ListNotSaved(MakerFileOfStrip(path, IsSystemLeadByte)));
    return WriteResult{true, false, {}};
}

WriteResult WriteLedFolder(const std::string& folder, const FrameList& list, const MakerDocument& document,
                           int width, int height, Progress& progress)
{
    if (std::string problem = ListProblem(list, document.style); !problem.empty())
        return Failure(problem);
    if (std::string problem =
            StripCheckMessage(CheckLedFrames(list.frames.size(), width, height), list, width, height);
        !problem.empty())
        return Failure(problem);
    const bool madeFolder = CreateDirectoryW(WideFileApiPath(folder).c_str(), nullptr) != FALSE;
    const DWORD folderAttributes = FileAttributesOf(folder);
    if (folderAttributes == INVALID_FILE_ATTRIBUTES || !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return Failure(CannotWrite(folder));

    DibCanvas canvas(width, height);
    if (!canvas.Valid())
        return Failure("幕を描くためのメモリーが足りません。");
    TextCache texts(document.style);
    // Every frame is written under a hidden temporary name first (the sign lists no hidden
    // file); only when all are there do they take their numbered names. A sink that goes
    // uncommitted removes its temporary file.
    std::vector<std::unique_ptr<ReplacingFileSink>> written;
    // Stopped before anything took its name: the temporary frames go, and so does a folder made
    // for them, so the folder is as it was.
    const auto stop = [&] {
        written.clear();
        if (madeFolder)
            RemoveDirectoryW(WideFileApiPath(folder).c_str());
        return Cancelled();
    };
    const std::vector<FolderPicture> pictures = FolderPictures(list);
    const auto total = static_cast<std::int64_t>(pictures.size());
    for (std::size_t k = 0; k < pictures.size(); ++k) {
        if (!progress.Continue(static_cast<std::int64_t>(k), total))
            return stop();
        DrawFrame(canvas.Dc(), 0, width, height, *pictures[k].line, document.style, texts);
        ApplyFrameLook(canvas, 0, height, document.style);
        const auto bytes = EncodeBmp24(canvas.Pixels(), width, height, width);
        const std::string target = JoinFolderPath(folder, pictures[k].name, IsSystemLeadByte);
        auto frame = std::make_unique<ReplacingFileSink>(target, FILE_ATTRIBUTE_HIDDEN);
        if (!frame->IsOpen() || bytes.empty() || WriteAllBytes(*frame, bytes.data(), bytes.size()) != 0 ||
            !frame->Finish())
            return Failure(CannotWrite(target));
        written.push_back(std::move(frame));
    }
    if (!progress.Continue(total, total))
        return stop();
    // The folder is wholly new or wholly old: each old frame waits under a backup name until
    // every new one is in place, and frames of a longer list drawn before (which would show
    // after the new ones) are set aside the same way; any failure puts all back.
    std::vector<AsideFrame> setAside;
    std::vector<std::string> stranded;  // old frames that stay under another name
    std::string failed;
    std::size_t placed = 0;
    for (; placed < written.size(); ++placed) {
        if (!written[placed]->CommitKeepingOld()) {
            failed = JoinFolderPath(folder, pictures[placed].name, IsSystemLeadByte);
            if (!FilesLeftByLastSave().oldContents.empty())
                stranded.push_back(FilesLeftByLastSave().oldContents);
            break;
        }
    }
    for (const std::string& name : OldPicturesPastTheList(folder, list, pictures)) {
        if (!failed.empty())
            break;
        const std::string extra = JoinFolderPath(folder, name, IsSystemLeadByte);
        if (std::optional<AsideFrame> aside = SetAside(extra))
            setAside.push_back(*aside);
        else
            failed = extra;
    }
    if (!failed.empty()) {
        for (const AsideFrame& aside : setAside)
            if (!PutBack(aside))
                stranded.push_back(aside.backup);
        for (std::size_t k = placed; k-- > 0;) {
            if (written[k]->UndoCommit())
                continue;
            const std::string& backup = written[k]->BackupPath();
            stranded.push_back(FileAttributesOf(backup) != INVALID_FILE_ATTRIBUTES
                                   ? backup
                                   : JoinFolderPath(folder, pictures[k].name, IsSystemLeadByte));
        }
        for (auto& frame : written)
            frame->Discard();  // a frame that was new to the folder goes with the rest
        if (!stranded.empty())
            return Failure(FolderMixed(failed, stranded));
        return Failure(CannotWrite(failed));
    }
    for (std::size_t k = 0; k < written.size(); ++k) {
        const std::string target = JoinFolderPath(folder, pictures[k].name, IsSystemLeadByte);
        SetFileAttributesW(WideFileApiPath(target).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    written.clear();  // the old frames kept aside go
    // One that cannot go stays hidden, so the sign does not take it for a frame.
    for (const AsideFrame& aside : setAside) {
        const std::wstring backup = WideFileApiPath(aside.backup);
        SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(backup.c_str()))
            SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    // Hidden, so the sign does not take it for a frame.
    if (!SaveMakerFile(MakerFileOfFolder(folder, IsSystemLeadByte), document, FILE_ATTRIBUTE_HIDDEN))
        return Failure(ListNotSaved(MakerFileOfFolder(folder, IsSystemLeadByte)));
    return WriteResult{true, false, {}};
}

bool ReadMakerFile(const std::string& path, MakerDocument& document)
{
    FileByteSource file(path);
    std::uint64_t size = 0;
    constexpr std::uint64_t kLargest = 4 * 1024 * 1024;  // far more than 999 lines of text
    if (!file.IsOpen() || !file.BytesLeft(&size) || size > kLargest)
        return false;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::uint32_t read = 0;
    if (size && (!file.Read(bytes.data(), static_cast<std::uint32_t>(size), &read) || read != size))
        return false;
    auto decoded = DecodeMakerFile(bytes);
    if (!decoded)
        return false;
    document = std::move(*decoded);
    return true;
}

}  // namespace rolva
