#include "base/ExecutableFiles.h"

#include <windows.h>

#include <vector>

namespace rolva {

std::string FileBesideExecutable(const char* ending)
{
    std::vector<char> buffer(MAX_PATH, '\0');
    DWORD length = 0;
    // Grown until the whole path fits, so an executable deep in a long path is named right.
    while ((length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) >=
               buffer.size() &&
           buffer.size() < 32768)
        buffer.resize(buffer.size() * 2);
    std::string path(buffer.data(), length);
    if (path.size() >= 4)
        path.resize(path.size() - 4);
    return path + ending;
}

}  // namespace rolva
