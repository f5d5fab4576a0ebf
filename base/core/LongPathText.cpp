#include "base/core/LongPathText.h"

namespace rolva {

namespace {

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool IsDriveAbsolute(std::wstring_view path)
{
    return path.size() >= 3 && IsLetter(path[0]) && path[1] == L':' && path[2] == L'\\';
}

bool StartsWith(std::wstring_view text, std::wstring_view start)
{
    return text.substr(0, start.size()) == start;
}

}  // namespace

std::wstring ExtendedLengthPath(std::wstring_view fullPath)
{
    if (fullPath.size() < kExtendedPathFrom || StartsWith(fullPath, L"\\\\?\\") || StartsWith(fullPath, L"\\\\.\\"))
        return std::wstring(fullPath);
    if (IsDriveAbsolute(fullPath))
        return L"\\\\?\\" + std::wstring(fullPath);
    if (StartsWith(fullPath, L"\\\\"))
        return L"\\\\?\\UNC\\" + std::wstring(fullPath.substr(2));
    return std::wstring(fullPath);
}

}  // namespace rolva
