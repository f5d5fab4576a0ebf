#include "sound/core/SoundSettings.h"

#include <algorithm>
#include <sstream>

namespace rolva {

namespace {

// The leading digits of a value, at most 9 of them; none reads as fallback.
int NumberOr(const std::string& value, int fallback)
{
    std::size_t at = value.find_first_not_of(" \t");
    if (at == std::string::npos || value[at] < '0' || value[at] > '9')
        return fallback;
    int number = 0;
    for (int digits = 0; at < value.size() && value[at] >= '0' && value[at] <= '9' && digits < 9; ++at, ++digits)
        number = number * 10 + (value[at] - '0');
    return number;
}

}  // namespace

SoundSettings DecodeSoundSettings(const std::string& text)
{
    SoundSettings settings;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (name == "sound")
            settings.on = NumberOr(value, settings.on) != 0;
        else if (name == "volume")
            settings.volume = std::clamp(NumberOr(value, settings.volume), 0, 100);
        else if (name == "ledclick")
            settings.ledClick = NumberOr(value, settings.ledClick) != 0;
    }
    return settings;
}

std::string EncodeSoundSettings(const SoundSettings& settings)
{
    return "sound=" + std::to_string(settings.on ? 1 : 0) + "\r\nvolume=" + std::to_string(settings.volume) +
           "\r\nledclick=" + std::to_string(settings.ledClick ? 1 : 0) + "\r\n";
}

}  // namespace rolva
