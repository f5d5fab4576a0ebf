#include "info/core/OsDisplayName.h"

namespace rolva {

namespace {

const char kUnknownWindows[] = "謎のWindows(^^;";

std::string Windows4Name(unsigned minor, unsigned platformId, std::string_view servicePack)
{
    switch (minor) {
    case 0:
        if (platformId != kPlatformWin32Windows)
            return "Windows NT 4.0";
        return servicePack == "B" || servicePack == "C" ? "Windows 95 OSR2" : "Windows 95";
    case 10:
        return servicePack == "A" ? "Windows 98 SE" : "Windows 98";
    case 90:
        return "Windows Me";
    default:
        return "";
    }
}

std::string Windows5Name(unsigned minor)
{
    switch (minor) {
    case 0:
        return "Windows 2000";
    case 1:
        return "Windows XP";
    case 2:
        return "Windows Server 2003";
    default:
        return kUnknownWindows;
    }
}

std::string Windows6Name(unsigned minor)
{
    switch (minor) {
    case 0:
        return "Windows Vista";
    case 1:
        return "Windows 7";
    default:
        return "";
    }
}

}  // namespace

std::string OsDisplayName(unsigned major, unsigned minor, unsigned platformId, std::string_view servicePack)
{
    switch (major) {
    case 3:
        return "Windows NT 3.51";
    case 4:
        return Windows4Name(minor, platformId, servicePack);
    case 5:
        return Windows5Name(minor);
    case 6:
        return Windows6Name(minor);
    default:
        return kUnknownWindows;
    }
}

std::string ServicePackText(const char* buffer, std::size_t capacity)
{
    std::size_t length = 0;
    while (length < capacity && buffer[length] != '\0')
        ++length;
    return std::string(buffer, length);
}

}  // namespace rolva
