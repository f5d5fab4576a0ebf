#include "settings/PictureChoosers.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

#include "app/Handles.h"
#include "document/CurrentFolder.h"
#include "document/SignDocument.h"
#include "settings/core/PictureFilter.h"

namespace rolva {

namespace {

constexpr DWORD kPathCapacity = 1024;

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

std::string OpenPictureFile(HWND owner)
{
    const CurrentFolderKeeper keepFolder;
    const std::string filter = PictureFilter(gDocument.gdiplusAvailable == 1);
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
