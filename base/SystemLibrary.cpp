#include "base/SystemLibrary.h"

#include <string>

namespace rolva {

namespace {

// From the headers of Windows 8; declared here because the program builds for older systems.
constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// The LOAD_LIBRARY_SEARCH_* flags came with Windows 8 and with update KB2533623 for Windows
// Vista and 7; the same update brought AddDllDirectory, whose presence is the documented test.
bool LoaderSearchesSystemFolderOnly()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel && GetProcAddress(kernel, "AddDllDirectory") != nullptr;
}

}  // namespace

HMODULE LoadSystemLibraryByPath(const char* fileName)
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::string path = std::string(folder, length) + "\\" + fileName;
    // The DLLs it needs in turn are then looked for beside it, in the system folder, first.
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadSystemLibrary(const char* fileName)
{
    // A system-folder-only search still honours the system's side-by-side redirection and the
    // modules already loaded, as a bare-name LoadLibrary does, but never the exe's folder.
    if (LoaderSearchesSystemFolderOnly())
        return LoadLibraryExA(fileName, nullptr, kLoadLibrarySearchSystem32);
    return LoadSystemLibraryByPath(fileName);
}

}  // namespace rolva
