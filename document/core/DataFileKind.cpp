#include "document/core/DataFileKind.h"

namespace rolva {

namespace {

// '.', 'R', 'V' and a digit, 'D' or 'P' are never the second byte of a Shift-JIS character when they
// follow one another, so upper-casing the last four bytes as ASCII is exact for every ending
// that can match.
std::string UpperEnding(std::string_view path)
{
    std::string ending(path.size() < 4 ? path : path.substr(path.size() - 4));
    for (char& c : ending) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return ending;
}

// The path as typed when its ending is upper (in any case), else with lower appended.
std::string WithEnding(std::string_view path, const char* upper, const char* lower)
{
    std::string result(path);
    if (UpperEnding(path) != upper)
        result += lower;
    return result;
}

}  // namespace

DataFileKind DataFileKindOf(std::string_view path)
{
    const std::string ending = UpperEnding(path);
    if (ending == ".RV4")
        return DataFileKind::Ver4;
    if (ending == ".RV3")
        return DataFileKind::Ver3;
    if (ending == ".RVD")
        return DataFileKind::DigitalVer3;
    if (ending == ".RVP")
        return DataFileKind::Pack;
    return DataFileKind::None;
}

std::string WithVer4Ending(std::string_view path) { return WithEnding(path, ".RV4", ".rv4"); }

std::string WithPackEnding(std::string_view path) { return WithEnding(path, ".RVP", ".rvp"); }

std::string InPlaceSaveTarget(std::string_view lastFile)
{
    return DataFileKindOf(lastFile) == DataFileKind::Ver4 ? std::string(lastFile) : std::string();
}

}  // namespace rolva
