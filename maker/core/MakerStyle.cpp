#include "maker/core/MakerStyle.h"

#include <charconv>

#include "base/core/PathText.h"

namespace rolva {

const char kDefaultFace[] = "ＭＳ ゴシック";

namespace {

const char kMagic[] = "RolvaStrip 1";
const char kFramesLine[] = "frames";

// Splits off the first line (CR LF, LF or CR) and returns it; text keeps the rest.
std::string_view TakeLine(std::string_view& text)
{
    std::size_t end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    std::string_view line = text.substr(0, end);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
        ++end;
    text.remove_prefix(end < text.size() ? end + 1 : end);
    return line;
}

std::optional<int> ParseInt(std::string_view text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<LabelColour> ParseLabelEntry(std::string_view line)
{
    // The colour follows the last '=': six ASCII hex digits, which no Shift-JIS trail byte
    // can be mistaken for when read from the end.
    const std::size_t equals = line.rfind('=');
    if (equals == std::string_view::npos || equals == 0)
        return std::nullopt;
    const auto colour = ParseRgb(line.substr(equals + 1));
    if (!colour)
        return std::nullopt;
    return LabelColour{std::string(line.substr(0, equals)), *colour};
}

void ApplySetting(std::string_view key, std::string_view value, MakerStyle& style, bool& labelsSeen)
{
    if (key == "face") {
        if (!value.empty() && value.size() < 32)  // a face name fits LOGFONT's 32 bytes
            style.face = std::string(value);
    } else if (key == "bold") {
        if (auto v = ParseInt(value, 0, 1))
            style.bold = *v == 1;
    } else if (key == "text") {
        if (auto v = ParseRgb(value))
            style.text = *v;
    } else if (key == "background") {
        if (auto v = ParseRgb(value))
            style.background = *v;
    } else if (key == "line") {
        if (auto v = ParseInt(value, 0, 1))
            style.frameLine = *v == 1;
    } else if (key == "led") {
        if (auto v = ParseInt(value, 0, kLedLookCount - 1))
            style.led = static_cast<LedLook>(*v);
    } else if (key == "pitch") {
        if (auto v = ParseInt(value, kMinLedPitch, kMaxLedPitch))
            style.ledPitch = *v;
    } else if (key == "other") {
        if (auto v = ParseRgb(value))
            style.otherLabels = *v;
    } else if (key == "labels") {
        // The table as saved follows, and replaces the default one even when it is empty.
        style.labels.clear();
        labelsSeen = true;
    } else if (key == "label") {
        if (auto entry = ParseLabelEntry(value)) {
            // The saved table replaces the default one as a whole.
            if (!labelsSeen)
                style.labels.clear();
            labelsSeen = true;
            style.labels.push_back(std::move(*entry));
        }
    }
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

MakerStyle DefaultMakerStyle()
{
    MakerStyle style;
    style.face = kDefaultFace;
    style.labels = {
        {"普通", 0x404040}, {"快速", 0xFF8000}, {"急行", 0xE00000}, {"特急", 0xB00060},
        {"準急", 0x008040}, {"区間快速", 0x0060C0}, {"回送", 0x303030},
    };
    return style;
}

Rgb LabelColourOf(const MakerStyle& style, std::string_view label)
{
    for (const LabelColour& entry : style.labels) {
        if (entry.label == label)
            return entry.colour;
    }
    return style.otherLabels;
}

std::optional<Rgb> ParseRgb(std::string_view text)
{
    if (text.size() != 6)
        return std::nullopt;
    Rgb colour = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        colour = colour * 16 + static_cast<Rgb>(digit);
    }
    return colour;
}

std::string FormatRgb(Rgb colour)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text(6, '0');
    for (int i = 5; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[colour & 0xF];
        colour >>= 4;
    }
    return text;
}

std::string FormatLabelTable(const std::vector<LabelColour>& labels)
{
    std::string text;
    for (const LabelColour& entry : labels)
        text += entry.label + "=" + FormatRgb(entry.colour) + "\r\n";
    return text;
}

std::vector<LabelColour> ParseLabelTable(std::string_view text)
{
    std::vector<LabelColour> labels;
    while (!text.empty()) {
        if (auto entry = ParseLabelEntry(TakeLine(text)))
            labels.push_back(std::move(*entry));
    }
    return labels;
}

std::string EncodeMakerFile(const MakerDocument& document)
{
    const MakerStyle& style = document.style;
    std::string text = std::string(kMagic) + "\r\n";
    text += "face=" + style.face + "\r\n";
    text += "bold=" + std::to_string(style.bold ? 1 : 0) + "\r\n";
    text += "text=" + FormatRgb(style.text) + "\r\n";
    text += "background=" + FormatRgb(style.background) + "\r\n";
    text += "line=" + std::to_string(style.frameLine ? 1 : 0) + "\r\n";
    text += "led=" + std::to_string(static_cast<int>(style.led)) + "\r\n";
    text += "pitch=" + std::to_string(style.ledPitch) + "\r\n";
    text += "other=" + FormatRgb(style.otherLabels) + "\r\n";
    text += "labels=" + std::to_string(style.labels.size()) + "\r\n";
    for (const LabelColour& entry : style.labels)
        text += "label=" + entry.label + "=" + FormatRgb(entry.colour) + "\r\n";
    text += std::string(kFramesLine) + "\r\n";
    text += document.listText;
    return text;
}

std::optional<MakerDocument> DecodeMakerFile(std::string_view bytes)
{
    if (TakeLine(bytes) != kMagic)
        return std::nullopt;
    MakerDocument document;
    document.style = DefaultMakerStyle();
    bool labelsSeen = false;
    while (!bytes.empty()) {
        const std::string_view line = TakeLine(bytes);
        if (line == kFramesLine) {
            document.listText = std::string(bytes);
            break;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            ApplySetting(line.substr(0, equals), line.substr(equals + 1), document.style, labelsSeen);
    }
    return document;
}

std::string MakerFileOfStrip(std::string_view stripPath, LeadByteTest isLeadByte)
{
    const std::string_view name = PathName(stripPath, isLeadByte);
    const std::size_t dot = name.rfind('.');
    const std::size_t cut = dot == std::string_view::npos || dot == 0 ? stripPath.size()
                                                                      : stripPath.size() - name.size() + dot;
    return std::string(stripPath.substr(0, cut)) + ".rvm";
}

std::string MakerFileOfFolder(std::string_view folder, LeadByteTest isLeadByte)
{
    while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') &&
           PathName(folder, isLeadByte).empty())
        folder.remove_suffix(1);
    std::string_view name = PathName(folder, isLeadByte);
    if (name.empty() || name.back() == ':')
        name = "strip";
    return JoinFolderPath(folder, std::string(name) + ".rvm", isLeadByte);
}

}  // namespace rolva
