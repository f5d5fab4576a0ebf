#include "pack/core/PackReader.h"

#include <map>
#include <vector>

#include <minizip/unzip.h>

namespace rolva {

namespace {

constexpr uLong kEncryptedFlag = 0x0001;
constexpr uLong kUtf8Flag = 0x0800;
constexpr std::size_t kMaxRawName = 0xFFFF;
constexpr unsigned kChunk = 64 * 1024;

// An archive opened by the zip library, closed with its owner.
class OpenArchive {
public:
    explicit OpenArchive(ZipStream& stream) : functions_(ZipFunctionsOver(stream))
    {
        stream.Seek(0);
        zip_ = unzOpen2_64("", &functions_);
    }
    ~OpenArchive()
    {
        if (zip_)
            unzClose(zip_);
    }
    OpenArchive(const OpenArchive&) = delete;
    OpenArchive& operator=(const OpenArchive&) = delete;

    unzFile Get() const { return zip_; }

private:
    zlib_filefunc64_def functions_;
    unzFile zip_ = nullptr;
};

// The characters a part of a path cannot hold on Windows, read with the code page's lead bytes:
// a conversion may give a separator or a drive colon that UTF-8 did not have.
bool IsPlainSystemPart(const std::string& part, LeadByteTest isLeadByte)
{
    if (part.empty() || part == "." || part == "..")
        return false;
    for (std::size_t i = 0; i < part.size();) {
        const std::size_t length = CharacterLength(part, i, isLeadByte);
        if (length == 1) {
            const unsigned char c = static_cast<unsigned char>(part[i]);
            if (c < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
                c == '>' || c == '|')
                return false;
        }
        i += length;
    }
    return true;
}

PackProblem Problem(PackFault fault, std::string entry = {}, std::uint32_t errorCode = 0)
{
    return PackProblem{fault, std::move(entry), errorCode};
}

// Every ancestor of a name is a folder and no name is taken twice, both as Windows compares them.
class NameRegister {
public:
    bool Add(const EntryPath& path)
    {
        for (std::size_t count = 1; count < path.parts.size(); ++count) {
            const auto found = kinds_.emplace(EntryKey(path.parts, count), true).first;
            if (!found->second)
                return false;  // a file of that name is there already
        }
        const auto [where, added] = kinds_.emplace(EntryKey(path.parts, path.parts.size()), path.folder);
        return added || (path.folder && where->second);
    }

private:
    std::map<std::string, bool> kinds_;  // name key → is a folder
};

PackProblem ReadEntry(unzFile zip, const PackTextCodec& codec, NameRegister& names, PackDirectory& directory,
                      std::vector<std::string>& scenes, std::vector<char>& raw)
{
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, raw.data(), static_cast<uLong>(kMaxRawName), nullptr, 0, nullptr, 0) !=
        UNZ_OK)
        return Problem(PackFault::Damaged);
    const std::string rawName(raw.data(), info.size_filename <= kMaxRawName ? info.size_filename : kMaxRawName);

    std::string utf8;
    if (!EntryNameAsUtf8(rawName, (info.flag & kUtf8Flag) != 0, codec, &utf8))
        return Problem(PackFault::BadName, rawName);
    EntryPath path;
    // A zero byte inside the name would end it early for the system.
    if (rawName.size() != info.size_filename || rawName.find('\0') != std::string::npos ||
        CheckEntryName(utf8, &path) != NameFault::None)
        return Problem(PackFault::BadName, utf8);
    if ((info.flag & kEncryptedFlag) != 0)
        return Problem(PackFault::Encrypted, utf8);
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED)
        return Problem(PackFault::UnknownMethod, utf8);
    if (!names.Add(path))
        return Problem(PackFault::Duplicate, utf8);

    PackEntry entry;
    entry.folder = path.folder;
    entry.size = info.uncompressed_size;
    entry.compressedSize = info.compressed_size;
    if (entry.folder && entry.size != 0)
        return Problem(PackFault::Damaged, utf8);
    // Stored data is its own size: more of it than declared would be cut off silently.
    if (info.compression_method == 0 && entry.compressedSize != entry.size)
        return Problem(PackFault::DataDiffers, utf8);
    if (entry.size > kMaxPackBytes || directory.totalBytes + entry.size > kMaxPackBytes)
        return Problem(PackFault::TooLarge, utf8);
    if (entry.size > kMaxPackRatio * entry.compressedSize)
        return Problem(PackFault::RatioTooHigh, utf8);
    directory.totalBytes += entry.size;

    for (const std::string& part : path.parts) {
        std::string system;
        if (!codec.utf8ToSystem(part, &system) || !IsPlainSystemPart(system, codec.isSystemLeadByte))
            return Problem(PackFault::NameNotInCodePage, utf8);
        if (!entry.path.empty())
            entry.path += '/';
        entry.path += system;
    }
    if (!entry.folder && path.parts.size() == 1 && IsSceneName(path.parts[0]))
        scenes.push_back(entry.path);
    directory.entries.push_back(std::move(entry));
    return {};
}

PackProblem ReadDirectory(unzFile zip, const PackTextCodec& codec, PackDirectory* directory)
{
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zip, &global) != UNZ_OK)
        return Problem(PackFault::Damaged);
    if (global.number_entry > kMaxPackEntries)
        return Problem(PackFault::TooManyEntries);
    if (global.number_entry == 0)
        return Problem(PackFault::NoScene);

    PackDirectory read;
    NameRegister names;
    std::vector<std::string> scenes;
    std::vector<char> raw(kMaxRawName + 1, '\0');
    int status = unzGoToFirstFile(zip);
    while (status == UNZ_OK) {
        // The count in the directory's end record may understate what follows it.
        if (read.entries.size() >= kMaxPackEntries)
            return Problem(PackFault::TooManyEntries);
        const PackProblem problem = ReadEntry(zip, codec, names, read, scenes, raw);
        if (problem.fault != PackFault::None)
            return problem;
        status = unzGoToNextFile(zip);
    }
    if (status != UNZ_END_OF_LIST_OF_FILE)
        return Problem(PackFault::Damaged);
    if (scenes.empty())
        return Problem(PackFault::NoScene);
    if (scenes.size() > 1)
        return Problem(PackFault::ManyScenes);
    read.scenePath = scenes.front();
    *directory = std::move(read);
    return {};
}

// Windows' codes for a name that is taken (ERROR_FILE_EXISTS, ERROR_ALREADY_EXISTS).
constexpr std::uint32_t kErrorFileExists = 80;
constexpr std::uint32_t kErrorAlreadyExists = 183;

// A folder that already holds what an entry names met two names the checks could not tell apart
// (a case pair outside ASCII, an 8.3 alias): the pack's fault, not the folder's.
PackProblem WriteProblem(const std::string& path, std::uint32_t error)
{
    if (error == kErrorFileExists || error == kErrorAlreadyExists)
        return Problem(PackFault::Duplicate, path);
    return Problem(PackFault::WriteFailed, path, error);
}

// The folders above path, each made once.
bool MakeParents(const std::string& path, UnpackTarget& target, std::map<std::string, bool>& made,
                 std::uint32_t* error)
{
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string parent = path.substr(0, slash);
        if (made.emplace(parent, true).second && !target.MakeFolder(parent, error))
            return false;
    }
    return true;
}

PackProblem UnpackCurrent(unzFile zip, const PackEntry& entry, UnpackTarget& target, Progress* progress,
                          std::uint64_t* done, std::uint64_t total, std::vector<std::uint8_t>& buffer)
{
    std::uint32_t error = 0;
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return Problem(PackFault::Damaged, entry.path);
    ByteSink* sink = target.CreateFile(entry.path, &error);
    if (!sink) {
        unzCloseCurrentFile(zip);
        return WriteProblem(entry.path, error);
    }
    std::uint64_t written = 0;
    PackProblem problem;
    while (problem.fault == PackFault::None) {
        const int count = unzReadCurrentFile(zip, buffer.data(), kChunk);
        if (count < 0) {
            problem = Problem(count == UNZ_CRCERROR ? PackFault::DataDiffers : PackFault::Damaged, entry.path);
            break;
        }
        if (count == 0)
            break;
        written += static_cast<std::uint64_t>(count);
        // The library stops at the declared size; this keeps that promise whatever it does.
        if (written > entry.size) {
            problem = Problem(PackFault::DataDiffers, entry.path);
            break;
        }
        std::uint32_t stored = 0;
        if (!sink->Write(buffer.data(), static_cast<std::uint32_t>(count), &stored) ||
            stored != static_cast<std::uint32_t>(count)) {
            problem = Problem(PackFault::WriteFailed, entry.path, sink->LastError() ? sink->LastError() : kErrorDiskFull);
            break;
        }
        *done += static_cast<std::uint64_t>(count);
        if (progress && !progress->Continue(static_cast<std::int64_t>(*done), static_cast<std::int64_t>(total)))
            problem = Problem(PackFault::Cancelled);
    }
    // The checksum is compared here, once the whole entry is read.
    const int closed = unzCloseCurrentFile(zip);
    if (problem.fault == PackFault::None && closed == UNZ_CRCERROR)
        problem = Problem(PackFault::DataDiffers, entry.path);
    else if (problem.fault == PackFault::None && closed != UNZ_OK)
        problem = Problem(PackFault::Damaged, entry.path);
    if (problem.fault == PackFault::None && written != entry.size)
        problem = Problem(PackFault::DataDiffers, entry.path);
    const bool keep = problem.fault == PackFault::None;
    if (!target.CloseFile(keep, &error) && keep)
        problem = Problem(PackFault::WriteFailed, entry.path, error);
    return problem;
}

}  // namespace

PackProblem CheckPack(ZipStream& stream, const PackTextCodec& codec, PackDirectory* directory)
{
    const OpenArchive archive(stream);
    if (!archive.Get())
        return Problem(PackFault::NotZip);
    return ReadDirectory(archive.Get(), codec, directory);
}

PackProblem UnpackPack(ZipStream& stream, const PackTextCodec& codec, UnpackTarget& target, Progress* progress,
                       PackDirectory* directory)
{
    const OpenArchive archive(stream);
    if (!archive.Get())
        return Problem(PackFault::NotZip);
    PackDirectory read;
    PackProblem problem = ReadDirectory(archive.Get(), codec, &read);
    if (problem.fault != PackFault::None)
        return problem;

    std::map<std::string, bool> made;
    std::vector<std::uint8_t> buffer(kChunk);
    std::uint64_t done = 0;
    int status = unzGoToFirstFile(archive.Get());
    for (const PackEntry& entry : read.entries) {
        if (status != UNZ_OK)
            return Problem(PackFault::Damaged, entry.path);
        std::uint32_t error = 0;
        if (!MakeParents(entry.path, target, made, &error))
            return WriteProblem(entry.path, error);
        if (entry.folder) {
            if (made.emplace(entry.path, true).second && !target.MakeFolder(entry.path, &error))
                return WriteProblem(entry.path, error);
        } else {
            problem = UnpackCurrent(archive.Get(), entry, target, progress, &done, read.totalBytes, buffer);
            if (problem.fault != PackFault::None)
                return problem;
        }
        // Once for each entry too: many empty ones make files without a byte to report.
        if (progress && !progress->Continue(static_cast<std::int64_t>(done), static_cast<std::int64_t>(read.totalBytes)))
            return Problem(PackFault::Cancelled);
        status = unzGoToNextFile(archive.Get());
    }
    *directory = std::move(read);
    return {};
}

}  // namespace rolva
