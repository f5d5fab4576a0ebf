#include "pack/core/PackPlan.h"

namespace rolva {

namespace {

constexpr std::uint8_t kRollKind = 0;
constexpr std::uint8_t kLedKind = 1;

class Planner {
public:
    Planner(PackFiles& files, const PackTextCodec& codec, PackPlan& plan) : files_(files), codec_(codec), plan_(plan) {}

    // A picture file at folder\<its name>; gives the scene's new path ("" for no path).
    std::string File(const std::string& path, const char* folder)
    {
        if (path.empty())
            return path;
        const std::string name = NameOf(path);
        const std::string relative = std::string(folder) + "\\" + name;
        if (!files_.IsFile(path)) {
            plan_.missing.push_back(path);
            return relative;
        }
        Add(path, std::string(folder) + "/" + Utf8(name));
        return relative;
    }

    // An LED-style sign's folder at folder\<its name>, with each of its files.
    std::string Folder(const std::string& path, const char* folder)
    {
        if (path.empty())
            return path;
        std::string name = NameOf(path);
        if (name.empty() || name.back() == ':')
            name = "frames";  // a drive's root ("D:\\", "D:") has no name of its own
        const std::string relative = std::string(folder) + "\\" + name;
        std::vector<std::string> names;
        if (!files_.ListFolder(path, &names)) {
            plan_.missing.push_back(path);
            return relative;
        }
        const std::string entryFolder = std::string(folder) + "/" + Utf8(name) + "/";
        for (const std::string& file : names)
            Add(JoinFolderPath(path, file, codec_.isSystemLeadByte), entryFolder + Utf8(file));
        return relative;
    }

private:
    std::string NameOf(const std::string& path) const
    {
        std::string_view trimmed = path;
        // "D:\frames\" names the folder "frames".
        while (!trimmed.empty() && (trimmed.back() == '\\' || trimmed.back() == '/') &&
               PathName(trimmed, codec_.isSystemLeadByte).empty())
            trimmed.remove_suffix(1);
        return std::string(PathName(trimmed, codec_.isSystemLeadByte));
    }

    std::string Utf8(const std::string& name)
    {
        std::string utf8;
        if (!codec_.systemToUtf8(name, &utf8) && plan_.unconvertible.empty())
            plan_.unconvertible = name;
        return utf8;
    }

    void Add(const std::string& source, const std::string& entry) { plan_.files.push_back({source, entry}); }

    PackFiles& files_;
    const PackTextCodec& codec_;
    PackPlan& plan_;
};

}  // namespace

PackPlan MakePackPlan(const PackScenePaths& scene, PackFiles& files, const PackTextCodec& codec)
{
    PackPlan plan;
    plan.scene = scene;
    Planner planner(files, codec, plan);
    plan.scene.background = planner.File(scene.background, "background");
    static const char* const kSignFolders[2] = {"sign1", "sign2"};
    for (int sign = 0; sign < 2; ++sign) {
        if (scene.kinds[sign] == kRollKind)
            plan.scene.pictures[sign] = planner.File(scene.pictures[sign], kSignFolders[sign]);
        else if (scene.kinds[sign] == kLedKind)
            plan.scene.pictures[sign] = planner.Folder(scene.pictures[sign], kSignFolders[sign]);
    }
    return plan;
}

std::string SceneEntryName(std::string_view packNameUtf8)
{
    std::string name(packNameUtf8);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    if (name.empty())
        name = "scene";
    return name + ".rv4";
}

}  // namespace rolva
