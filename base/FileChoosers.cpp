#include "base/FileChoosers.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

#include "base/CurrentFolder.h"
#include "base/FileStreams.h"
#include "base/Handles.h"
#include "base/SystemText.h"
#include "base/core/PathText.h"

namespace rolva {

namespace {

constexpr DWORD kPathCapacity = 1024;

// Room for long paths; the dialogs accept them where the system does.
constexpr DWORD kPathBufferSize = 32768;

// The file-system path of a chosen item, of any length (the fixed MAX_PATH buffer of
// SHGetPathFromIDListA would refuse a longer one); empty for an item that is no folder on disk.
std::string FileSystemPath(LPCITEMIDLIST item)
{
    IShellFolder* parent = nullptr;
    LPCITEMIDLIST child = nullptr;
    if (FAILED(SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child)))
        return {};
    std::string path;
    SFGAOF attributes = SFGAO_FILESYSTEM;
    STRRET name{};
    if (SUCCEEDED(parent->GetAttributesOf(1, &child, &attributes)) && (attributes & SFGAO_FILESYSTEM) &&
        SUCCEEDED(parent->GetDisplayNameOf(child, SHGDN_FORPARSING, &name))) {
        char* text = nullptr;
        if (SUCCEEDED(StrRetToStrA(&name, child, &text)) && text) {
            path = text;
            CoTaskMemFree(text);
        }
    }
    parent->Release();
    return path;
}

}  // namespace

std::string FileDialog(HWND owner, bool save, const char* filter, const char* title, const char* defaultEnding)
{
    const CurrentFolderKeeper keepFolder;
    std::vector<char> path(kPathBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the 76-byte layout every system knows
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferSize - 1;
    dialog.nMaxFileTitle = 256;
    dialog.lpstrTitle = title;
    // With the ending added by the dialog itself, its overwrite question covers the file that
    // is written, not the name as typed.
    dialog.lpstrDefExt = save ? defaultEnding : nullptr;
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : 0);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path.data()) : std::string();
}

std::string ChooseFileToSave(HWND owner, const char* filter, const char* title, const char* defaultEnding,
                             const std::function<std::string(const std::string&)>& withEnding)
{
    const std::string chosen = FileDialog(owner, true, filter, title, defaultEnding);
    if (chosen.empty())
        return chosen;
    const std::string path = withEnding(chosen);
    if (path != chosen && FileAttributesOf(path) != INVALID_FILE_ATTRIBUTES) {
        const std::string question =
            std::string(PathName(path, IsSystemLeadByte)) + " は既に存在します。\r\n上書きしますか？";
        if (MessageBoxA(owner, question.c_str(), title, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return std::string();
    }
    return path;
}

std::string ChooseFileToOpen(HWND owner, const std::string& filter)
{
    const CurrentFolderKeeper keepFolder;
    std::vector<char> path(kPathCapacity + 4, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the 76-byte layout every system knows
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathCapacity;
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&dialog) != TRUE)
        return {};
    return path.data();
}

std::string BrowseFolder(HWND owner, const char* title)
{
    const CurrentFolderKeeper keepFolder;
    ComApartment com;  // the folder chooser's shell objects need it
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (!chosen)
        return {};
    std::string path = FileSystemPath(chosen);
    CoTaskMemFree(chosen);
    return path;
}

}  // namespace rolva
