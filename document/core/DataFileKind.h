// Which reader a data file's name asks for, by its ending, and the ending a saved scene needs.
#pragma once

#include <string>
#include <string_view>

namespace rolva {

enum class DataFileKind { None, Ver4, Ver3, DigitalVer3, Pack };

// The last four characters upper-cased: ".RV4", ".RV3", ".RVD" or ".RVP" (a scene pack); a name shorter than that is
// compared whole and never matches.
DataFileKind DataFileKindOf(std::string_view path);

// The path as typed when it already ends in .rv4 (any case), else with ".rv4" appended.
std::string WithVer4Ending(std::string_view path);

// The path as typed when it already ends in .rvp (any case), else with ".rvp" appended.
std::string WithPackEnding(std::string_view path);

// Where Save writes the scene without asking: the data file it was last read from or written
// to when that is a Ver4 file. "" (ask for a name) for a scene from an older format, which is
// never overwritten in the new one, and for a scene from no file.
std::string InPlaceSaveTarget(std::string_view lastFile);

}  // namespace rolva
