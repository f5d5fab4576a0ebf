#include "base/OwnFiles.h"

#include <shlobj.h>

#include <map>
#include <vector>

#include "base/ExecutableFiles.h"
#include "base/FileStreams.h"
#include "base/SystemText.h"
#include "base/WindowRegistry.h"
#include "base/core/OwnFileRules.h"
#include "base/core/PathText.h"

namespace rolva {

namespace {

// What this run did with the files, for the notice at its end.
struct OwnFilesRun {
    OwnFileFolders folders;
    bool foldersKnown = false;
    std::map<std::string, OwnFileWrite> lastWrites;  // by ending
    bool perUserRead = false;
    bool told = false;
};

OwnFilesRun gRun;

// The folder as ANSI text that names it again: a user name the code page lacks gets the short
// name the system keeps for it, and without one there is no usable folder.
std::string AnsiFolder(const std::wstring& folder)
{
    const std::string ansi = AnsiText(folder.c_str());
    if (!ansi.empty() && WideText(ansi) == folder)
        return ansi;
    // A short name can be longer than the long one ("José" is "JOS~1"): asked for its size first.
    const DWORD needed = GetShortPathNameW(folder.c_str(), nullptr, 0);
    if (needed == 0)
        return std::string();
    std::vector<wchar_t> shortName(needed);
    const DWORD length = GetShortPathNameW(folder.c_str(), shortName.data(), needed);
    if (length == 0 || length >= shortName.size())
        return std::string();
    const std::string shortAnsi = AnsiText(shortName.data());
    return WideText(shortAnsi) == std::wstring(shortName.data(), length) ? shortAnsi : std::string();
}

std::string RealPerUserFolder()
{
    wchar_t local[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, local)))
        return std::string();
    const std::string folder = AnsiFolder(local);
    return folder.empty() ? folder : JoinFolderPath(folder, "Rolva", IsSystemLeadByte);
}

OwnFileFolders RealFolders()
{
    const std::string stem = FileBesideExecutable("");
    return OwnFileFolders{std::string(PathFolder(stem, IsSystemLeadByte)), RealPerUserFolder(),
                          std::string(PathName(stem, IsSystemLeadByte))};
}

std::string InFolder(const std::string& folder, const char* ending)
{
    return JoinFolderPath(folder, OwnFileFoldersInUse().name + ending, IsSystemLeadByte);
}

OwnFileCopy CopyAt(const std::string& path)
{
    OwnFileCopy copy;
    copy.readable = FileByteSource(path).IsOpen();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (copy.readable && GetFileAttributesExW(WideFileApiPath(path).c_str(), GetFileExInfoStandard, &data))
        copy.lastWrite = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                         data.ftLastWriteTime.dwLowDateTime;
    return copy;
}

// The per-user folder without a closing separator, as the user reads it.
std::string ShownPerUserFolder()
{
    std::string folder = OwnFileFoldersInUse().perUser;
    if (!folder.empty() && PathName(folder, IsSystemLeadByte).empty())
        folder.pop_back();
    return folder;
}

const char kWhat[] = "設定（ウィンドウの位置と最近使ったファイル）を";

}  // namespace

const OwnFileFolders& OwnFileFoldersInUse()
{
    if (!gRun.foldersKnown) {
        gRun.folders = RealFolders();
        gRun.foldersKnown = true;
    }
    return gRun.folders;
}

void UseOwnFileFolders(const OwnFileFolders& folders)
{
    gRun = OwnFilesRun{};
    gRun.folders = folders;
    gRun.foldersKnown = true;
}

std::string OwnFileBesideExecutable(const char* ending)
{
    return InFolder(OwnFileFoldersInUse().besideExecutable, ending);
}

std::string OwnFilePerUser(const char* ending)
{
    return OwnFileFoldersInUse().perUser.empty() ? std::string() : InFolder(OwnFileFoldersInUse().perUser, ending);
}

std::string OwnFileToRead(const char* ending)
{
    const std::string beside = OwnFileBesideExecutable(ending);
    const std::string perUser = OwnFilePerUser(ending);
    const OwnFileCopy perUserCopy = perUser.empty() ? OwnFileCopy{} : CopyAt(perUser);
    if (CopyToRead(CopyAt(beside), perUserCopy) != OwnFilePlace::PerUser)
        return beside;
    gRun.perUserRead = true;
    return perUser;
}

std::uint32_t WriteOwnFile(const char* ending, const std::function<std::uint32_t(const std::string& path)>& write)
{
    OwnFileWrite& outcome = gRun.lastWrites[ending];
    std::uint32_t error = write(OwnFileBesideExecutable(ending));
    if (error == 0) {
        outcome = OwnFileWrite::BesideExecutable;
        return 0;
    }
    // Whatever kept the file from the executable's folder (no right to write there, a read-only
    // file, a full or removed drive), the user's own folder is the next best place.
    if (const std::string perUser = OwnFilePerUser(ending); !perUser.empty()) {
        CreateDirectoryW(WideFileApiPath(OwnFileFoldersInUse().perUser).c_str(), nullptr);
        error = write(perUser);
    }
    outcome = error == 0 ? OwnFileWrite::PerUser : OwnFileWrite::Failed;
    return error;
}

std::string ReadOwnFileText(const char* ending, std::size_t maxBytes)
{
    FileByteSource file(OwnFileToRead(ending));
    if (!file.IsOpen())
        return std::string();
    std::string text;
    char chunk[4096];
    std::uint32_t got = 0;
    while (text.size() < maxBytes && file.Read(chunk, sizeof chunk, &got) && got > 0)
        text.append(chunk, got);
    return text;
}

std::uint32_t WriteOwnFileText(const char* ending, const std::string& text)
{
    return WriteOwnFile(ending,
                        [&text](const std::string& path) { return WriteUserFileBytes(path, text.data(), text.size()); });
}

void ShowOwnFilesNotice(HWND owner)
{
    if (gRun.told)
        return;
    std::vector<OwnFileWrite> writes;
    for (const auto& [ending, write] : gRun.lastWrites)
        writes.push_back(write);
    const std::string folder = ShownPerUserFolder();
    std::string text;
    UINT icon = MB_ICONINFORMATION;
    switch (NoticeAtEnd(writes, gRun.perUserRead)) {
    case OwnFilesNotice::None:
        return;
    case OwnFilesNotice::KeptPerUser:
        text = std::string(kWhat) + "プログラムと同じフォルダーに保存できないため、次のフォルダーに保存しました。\r\n\r\n" +
               folder + "\r\n\r\n次回の起動時は、このフォルダーから読み込みます。";
        break;
    case OwnFilesNotice::NotSaved:
        icon = MB_ICONEXCLAMATION;
        text = std::string(kWhat) + "保存できませんでした。\r\n\r\n" +
               (folder.empty() ? std::string("プログラムと同じフォルダーに書き込めません。")
                               : "プログラムと同じフォルダーにも、次のフォルダーにも書き込めません。\r\n\r\n" + folder);
        break;
    }
    gRun.told = true;
    MessageBoxA(owner, text.c_str(), kFormTitle, MB_OK | icon);
}

}  // namespace rolva
