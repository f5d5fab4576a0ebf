#include "base/SystemText.h"

namespace rolva {

bool IsSystemLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

std::wstring WideText(const std::string& text)
{
    return WideText(text, CP_ACP);
}

std::wstring WideText(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length > 0 ? length : 0, L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string AnsiText(const wchar_t* text)
{
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string ansi(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), length, nullptr, nullptr);
    ansi.resize(length - 1);
    return ansi;
}

const std::string& SystemWideBar()
{
    static const std::string bar = [] {
        char bytes[8] = {};
        BOOL usedDefault = FALSE;
        const int length =
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"\xFF5C", 1, bytes, sizeof bytes, nullptr, &usedDefault);
        return length > 0 && !usedDefault ? std::string(bytes, static_cast<std::size_t>(length)) : std::string();
    }();
    return bar;
}

}  // namespace rolva
