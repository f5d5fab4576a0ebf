// Any bytes as a pack: no fault, and nothing written outside the folder it is unpacked to. The
// target here stands for that folder and checks every path it is handed the way the system
// would resolve it: no part that climbs out, names a root, a drive, a stream or a device, no
// file made twice or where a folder is, no folder made under a file, and no more bytes than
// the directory declared.
#include "pack/core/PackReader.h"
#include "tests/core/PackTestZips.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// The parts of a path as the system splits it: at every single-byte '\' or '/'.
std::vector<std::string> SystemParts(const std::string& path)
{
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = rolva::CharacterLength(path, i, rolva::test::IsLeadByte932);
        if (length == 1 && (path[i] == '\\' || path[i] == '/'))
            parts.emplace_back();
        else
            parts.back().append(path, i, length);
        i += length;
    }
    return parts;
}

void CheckInside(const std::string& path)
{
    ROLVA_FUZZ_CHECK(!path.empty());
    for (const std::string& part : SystemParts(path)) {
        ROLVA_FUZZ_CHECK(!part.empty() && part != "." && part != "..");
        rolva::EntryPath checked;
        // A part in the system's code page holds no ':' or separator of its own; ASCII parts are
        // checked again as a name of their own (device names, trailing dots).
        ROLVA_FUZZ_CHECK(part.find(':') == std::string::npos || part.find_first_of("\x80\xFF") != std::string::npos);
        bool ascii = true;
        for (char c : part)
            ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (ascii)
            ROLVA_FUZZ_CHECK(rolva::CheckEntryName(part, &checked) == rolva::NameFault::None);
    }
}

class CheckingFolder final : public rolva::UnpackTarget {
public:
    bool MakeFolder(const std::string& path, std::uint32_t*) override
    {
        CheckInside(path);
        CheckParents(path);
        const auto [where, added] = kinds_.emplace(Key(path), Kind::Folder);
        ROLVA_FUZZ_CHECK(added || where->second == Kind::Folder);
        return true;
    }
    rolva::ByteSink* CreateFile(const std::string& path, std::uint32_t*) override
    {
        CheckInside(path);
        CheckParents(path);
        ROLVA_FUZZ_CHECK(!sink_);
        ROLVA_FUZZ_CHECK(kinds_.emplace(Key(path), Kind::File).second);
        current_ = path;
        sink_ = std::make_unique<rolva::MemoryByteSink>();
        return sink_.get();
    }
    bool CloseFile(bool keep, std::uint32_t*) override
    {
        ROLVA_FUZZ_CHECK(sink_ != nullptr);
        if (keep)
            sizes_[current_] = sink_->Bytes().size();
        else
            kinds_.erase(Key(current_));
        sink_.reset();
        return true;
    }

    const std::map<std::string, std::size_t>& Sizes() const { return sizes_; }

private:
    enum class Kind { Folder, File };

    // As Windows compares names: ASCII letters without case.
    static std::string Key(const std::string& path)
    {
        std::string key;
        for (std::size_t i = 0; i < path.size();) {
            const std::size_t length = rolva::CharacterLength(path, i, rolva::test::IsLeadByte932);
            char c = path[i];
            if (length == 1 && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            key += c;
            if (length == 2)
                key += path[i + 1];
            i += length;
        }
        return key;
    }

    void CheckParents(const std::string& path) const
    {
        const std::vector<std::string> parts = SystemParts(path);
        std::string parent;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            parent += (i ? "/" : "") + parts[i];
            const auto found = kinds_.find(Key(parent));
            ROLVA_FUZZ_CHECK(found != kinds_.end() && found->second == Kind::Folder);
        }
    }

    std::map<std::string, Kind> kinds_;
    std::map<std::string, std::size_t> sizes_;
    std::unique_ptr<rolva::MemoryByteSink> sink_;
    std::string current_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rolva::MemoryZipStream stream(data, size);
    CheckingFolder folder;
    rolva::PackDirectory directory;
    const rolva::PackProblem problem = rolva::UnpackPack(stream, rolva::test::kTableCodec, folder, nullptr, &directory);
    if (problem.fault != rolva::PackFault::None)
        return 0;

    ROLVA_FUZZ_CHECK(directory.entries.size() <= rolva::kMaxPackEntries);
    ROLVA_FUZZ_CHECK(directory.totalBytes <= rolva::kMaxPackBytes);
    std::uint64_t written = 0;
    for (const rolva::PackEntry& entry : directory.entries) {
        if (entry.folder)
            continue;
        const auto found = folder.Sizes().find(entry.path);
        ROLVA_FUZZ_CHECK(found != folder.Sizes().end());
        ROLVA_FUZZ_CHECK(found->second == entry.size);
        ROLVA_FUZZ_CHECK(entry.size <= rolva::kMaxPackRatio * entry.compressedSize);
        written += found->second;
    }
    ROLVA_FUZZ_CHECK(written == directory.totalBytes);
    ROLVA_FUZZ_CHECK(folder.Sizes().count(directory.scenePath) == 1);
    ROLVA_FUZZ_CHECK(directory.scenePath.find('/') == std::string::npos);
    return 0;
}
