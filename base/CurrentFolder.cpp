#include "base/CurrentFolder.h"

#include <windows.h>

namespace rolva {

CurrentFolderKeeper::CurrentFolderKeeper()
{
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0)
        return;
    folder_.resize(size);
    const DWORD length = GetCurrentDirectoryW(size, folder_.data());
    folder_.resize(length < size ? length : 0);
}

CurrentFolderKeeper::~CurrentFolderKeeper()
{
    if (!folder_.empty())
        SetCurrentDirectoryW(folder_.c_str());
}

}  // namespace rolva
