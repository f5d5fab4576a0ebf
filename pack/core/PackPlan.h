// What a scene pack holds: the scene and every picture it uses, each in a place of its own
// inside the pack, and the scene's paths rewritten to those places relative to the scene, so
// that the pack opens the same wherever it is unpacked:
//   <name>.rv4                  the scene
//   background\<file>           the background picture
//   sign1\<file>, sign2\<file>  a roll sign's strip
//   sign1\<folder>\<files>      an LED-style sign's folder with every file it shows
// A hidden sign uses no picture and keeps its path as it was. A picture that is not there is
// listed as missing; the scene still names its place, so it shows what it was meant to hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pack/core/PackNames.h"

namespace rolva {

// The paths of a scene, in the system's code page, as the document holds them.
struct PackScenePaths {
    std::string background;
    std::uint8_t kinds[2] = {0, 0};  // SignKind values
    std::string pictures[2];
};

// What the plan needs to know of the disk.
class PackFiles {
public:
    virtual ~PackFiles() = default;
    virtual bool IsFile(const std::string& path) = 0;
    // The files an LED-style sign shows from folder, in its order; false when there is no folder.
    virtual bool ListFolder(const std::string& folder, std::vector<std::string>* names) = 0;
};

struct PlannedFile {
    std::string source;  // full path on disk
    std::string entry;   // name inside the pack: UTF-8, parts joined by '/'
};

struct PackPlan {
    std::vector<PlannedFile> files;
    PackScenePaths scene;              // the paths rewritten relative to the scene
    std::vector<std::string> missing;  // pictures and folders that are not there, as the scene names them
    std::string unconvertible;         // a name with no UTF-8 form ("" when every one has)
};

PackPlan MakePackPlan(const PackScenePaths& scene, PackFiles& files, const PackTextCodec& codec);

// The scene's entry: the pack's own name with ".rv4" (UTF-8).
std::string SceneEntryName(std::string_view packNameUtf8);

}  // namespace rolva
