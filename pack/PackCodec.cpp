#include "pack/PackCodec.h"

#include <windows.h>

#include <string>

#include "base/SystemText.h"

namespace rolva {

namespace {

// Text that is not valid in the code page fails instead of turning into stand-ins.
bool ToWide(std::string_view text, UINT codePage, std::wstring* wide)
{
    wide->clear();
    if (text.empty())
        return true;
    const int size = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (count <= 0)
        return false;
    wide->resize(static_cast<std::size_t>(count));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, &(*wide)[0], count) == count;
}

// A character the code page lacks fails too: a best-fit stand-in could be a separator ('¥' as
// '\' in code page 932) or name another file.
bool FromWide(const std::wstring& wide, UINT codePage, std::string* text)
{
    text->clear();
    if (wide.empty())
        return true;
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* defaultUsed = utf8 ? nullptr : &usedDefault;
    const int size = static_cast<int>(wide.size());
    const int count = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, defaultUsed);
    if (count <= 0 || usedDefault)
        return false;
    text->resize(static_cast<std::size_t>(count));
    return WideCharToMultiByte(codePage, flags, wide.data(), size, &(*text)[0], count, nullptr, defaultUsed) ==
               count &&
           !usedDefault;
}

bool Convert(std::string_view text, UINT from, UINT to, std::string* out)
{
    std::wstring wide;
    return ToWide(text, from, &wide) && FromWide(wide, to, out);
}

bool Cp932ToUtf8(std::string_view text, std::string* utf8) { return Convert(text, kShiftJisCodePage, CP_UTF8, utf8); }
bool Utf8ToSystem(std::string_view utf8, std::string* text) { return Convert(utf8, CP_UTF8, CP_ACP, text); }
bool SystemToUtf8(std::string_view text, std::string* utf8) { return Convert(text, CP_ACP, CP_UTF8, utf8); }

}  // namespace

const PackTextCodec& SystemPackCodec()
{
    static const PackTextCodec codec{Cp932ToUtf8, Utf8ToSystem, SystemToUtf8, IsSystemLeadByte};
    return codec;
}

}  // namespace rolva
