#include "pack/core/PackReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>
#include <memory>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "pack/core/PackWriter.h"
#include "tests/core/PackTestZips.h"

namespace rolva {
namespace {

using test::MakeZip;
using test::Noise;
using test::TestEntry;

// Keeps what a pack unpacks, as the folder on disk would.
class MemoryTarget final : public UnpackTarget {
public:
    bool MakeFolder(const std::string& path, std::uint32_t*) override
    {
        folders.push_back(path);
        return true;
    }
    ByteSink* CreateFile(const std::string& path, std::uint32_t* error) override
    {
        if (files.count(path)) {
            *error = 80;  // ERROR_FILE_EXISTS
            return nullptr;
        }
        if (path == failPath) {
            *error = 5;  // ERROR_ACCESS_DENIED
            return nullptr;
        }
        current = path;
        sink = std::make_unique<MemoryByteSink>();
        return sink.get();
    }
    bool CloseFile(bool keep, std::uint32_t*) override
    {
        if (keep)
            files[current] = std::string(sink->Bytes().begin(), sink->Bytes().end());
        else
            removed.push_back(current);
        sink.reset();
        return true;
    }

    std::map<std::string, std::string> files;
    std::vector<std::string> folders;
    std::vector<std::string> removed;
    std::string failPath;

private:
    std::string current;
    std::unique_ptr<MemoryByteSink> sink;
};

class CancelAfter final : public Progress {
public:
    explicit CancelAfter(int calls) : left(calls) {}
    bool Continue(std::int64_t, std::int64_t) override { return --left > 0; }
    int left;
};

PackProblem Unpack(const std::vector<std::uint8_t>& bytes, MemoryTarget& target, Progress* progress = nullptr)
{
    MemoryZipStream stream(bytes);
    PackDirectory directory;
    return UnpackPack(stream, test::kTableCodec, target, progress, &directory);
}

PackProblem Check(const std::vector<std::uint8_t>& bytes)
{
    MemoryZipStream stream(bytes);
    PackDirectory directory;
    return CheckPack(stream, test::kTableCodec, &directory);
}

TEST(PackReader, AGoodPackUnpacksEveryEntryInItsPlace)
{
    const std::string strip = Noise(5000);
    const auto bytes = MakeZip({
        {"route.rv4", "scene bytes"},
        {"sign1/strip.bmp", strip},
        {"sign2/frames/", ""},
        {"sign2/frames/01.bmp", "one", 0x0800, 0},
        {"sign2/frames/\xE8\xA1\xA8.bmp", "hyo"},  // 表.bmp
    });
    MemoryTarget target;
    MemoryZipStream stream(bytes);
    PackDirectory directory;
    const PackProblem problem = UnpackPack(stream, test::kTableCodec, target, nullptr, &directory);
    ASSERT_EQ(PackFault::None, problem.fault) << problem.entry;
    EXPECT_EQ("route.rv4", directory.scenePath);
    EXPECT_EQ(11u + 5000u + 3u + 3u, directory.totalBytes);
    EXPECT_EQ((std::map<std::string, std::string>{{"route.rv4", "scene bytes"},
                                                  {"sign1/strip.bmp", strip},
                                                  {"sign2/frames/01.bmp", "one"},
                                                  {"sign2/frames/\x95\x5C.bmp", "hyo"}}),
              target.files);
    EXPECT_EQ((std::vector<std::string>{"sign1", "sign2", "sign2/frames"}), target.folders);
}

TEST(PackReader, NamesWithoutTheUtf8FlagAreCodePage932)
{
    const auto bytes = MakeZip({{"\x8D\x73\x90\xE6.rv4", "scene", 0}, {"\x96\x8B/\x83\x5C.bmp", "so", 0}});
    MemoryTarget target;
    ASSERT_EQ(PackFault::None, Unpack(bytes, target).fault);
    EXPECT_EQ(1u, target.files.count("\x8D\x73\x90\xE6.rv4"));
    EXPECT_EQ(1u, target.files.count("\x96\x8B/\x83\x5C.bmp"));
}

struct BadPackCase {
    const char* what;
    std::vector<TestEntry> entries;
    PackFault fault;
};

TEST(PackReader, BadPacksAreRefusedBeforeAnythingIsWritten)
{
    const std::string zeros(100000, '\0');
    const BadPackCase cases[] = {
        {"parent part", {{"s.rv4", "s"}, {"../evil.bmp", "x"}}, PackFault::BadName},
        {"parent part after a folder", {{"s.rv4", "s"}, {"a/../../evil.bmp", "x"}}, PackFault::BadName},
        {"backslash parent", {{"s.rv4", "s"}, {"..\\evil.bmp", "x"}}, PackFault::BadName},
        {"absolute", {{"s.rv4", "s"}, {"/tmp/evil.bmp", "x"}}, PackFault::BadName},
        {"drive letter", {{"s.rv4", "s"}, {"C:\\evil.bmp", "x"}}, PackFault::BadName},
        {"stream", {{"s.rv4", "s"}, {"s.rv4:hidden", "x"}}, PackFault::BadName},
        {"device", {{"s.rv4", "s"}, {"sign1/CON.bmp", "x"}}, PackFault::BadName},
        {"device COM1", {{"s.rv4", "s"}, {"COM1", "x"}}, PackFault::BadName},
        {"flagged but not UTF-8", {{"s.rv4", "s"}, {"\x95\x5C.bmp", "x", 0x0800}}, PackFault::BadName},
        {"no system form", {{"s.rv4", "s"}, {"\xE2\x82\xAC.bmp", "x"}}, PackFault::NameNotInCodePage},
        {"duplicate", {{"s.rv4", "s"}, {"a.bmp", "x"}, {"a.bmp", "y"}}, PackFault::Duplicate},
        {"duplicate by case", {{"s.rv4", "s"}, {"A.BMP", "x"}, {"a.bmp", "y"}}, PackFault::Duplicate},
        {"file then folder", {{"s.rv4", "s"}, {"a", "x"}, {"a/b.bmp", "y"}}, PackFault::Duplicate},
        {"folder then file", {{"s.rv4", "s"}, {"a/b.bmp", "y"}, {"a", "x"}}, PackFault::Duplicate},
        {"encrypted", {{"s.rv4", "s"}, {"a.bmp", "x", 0x0801}}, PackFault::Encrypted},
        {"ratio past deflate's own", {{"s.rv4", "s"}, {"zeros.bmp", zeros, 0x0800, Z_DEFLATED, 3 * 100000}},
         PackFault::RatioTooHigh},
        {"declared far larger", {{"s.rv4", "s"}, {"a.bmp", "abc", 0x0800, Z_DEFLATED, 100000}}, PackFault::RatioTooHigh},
        {"stored larger than declared", {{"s.rv4", "s"}, {"a.bmp", "abcdef", 0x0800, 0, 3}}, PackFault::DataDiffers},
        {"no scene", {{"a.bmp", "x"}}, PackFault::NoScene},
        {"scene only in a folder", {{"sub/s.rv4", "s"}}, PackFault::NoScene},
        {"two scenes", {{"s.rv4", "s"}, {"t.RV4", "t"}}, PackFault::ManyScenes},
    };
    for (const BadPackCase& c : cases) {
        MemoryTarget target;
        EXPECT_EQ(c.fault, Unpack(MakeZip(c.entries), target).fault) << c.what;
        EXPECT_TRUE(target.files.empty() && target.folders.empty()) << c.what;
    }
    // bzip2 (12): the library writes only stored and deflated entries, so the method is put in after.
    auto bzip2 = MakeZip({{"s.rv4", "s"}, {"a.bmp", "x"}});
    test::PatchMethod(bzip2, 1, 12);
    MemoryTarget target;
    EXPECT_EQ(PackFault::UnknownMethod, Unpack(bzip2, target).fault);
    EXPECT_TRUE(target.files.empty());
}

TEST(PackReader, SizesPastTheLimitsAreRefused)
{
    // Declared sizes past what the data holds: past 2 GB is refused before the ratio is looked at.
    TestEntry huge{"a.bmp", std::string(2000000, 'y')};
    huge.declaredSize = static_cast<std::int64_t>(kMaxPackBytes) + 1;
    EXPECT_EQ(PackFault::TooLarge, Check(MakeZip({{"s.rv4", "s"}, huge})).fault);

    // Two entries each under the limit and within the ratio, together past it.
    TestEntry half{"a.bmp", Noise(6000000)};
    half.declaredSize = static_cast<std::int64_t>(kMaxPackBytes / 2 + 1);
    TestEntry other = half;
    other.name = "b.bmp";
    EXPECT_EQ(PackFault::TooLarge, Check(MakeZip({{"s.rv4", "s"}, half, other})).fault);
    EXPECT_EQ(PackFault::None, Check(MakeZip({{"s.rv4", "s"}, half})).fault);
}

TEST(PackReader, DataThatIsNotWhatItDeclaresBreaksOffAndIsRemoved)
{
    const std::string data = Noise(3000);
    TestEntry longer{"a.bmp", data};
    longer.declaredSize = 1500;  // deflated data of 3000 bytes, the checksum of all of them
    TestEntry wrongSum{"b.bmp", data};
    wrongSum.crc = 1234;
    TestEntry shorter{"c.bmp", data};
    shorter.declaredSize = 4000;
    struct {
        TestEntry entry;
        PackFault fault;
    } cases[] = {{longer, PackFault::DataDiffers}, {wrongSum, PackFault::DataDiffers}, {shorter, PackFault::DataDiffers}};
    for (const auto& c : cases) {
        MemoryTarget target;
        const PackProblem problem = Unpack(MakeZip({{"s.rv4", "s"}, c.entry}), target);
        EXPECT_EQ(c.fault, problem.fault) << c.entry.name;
        EXPECT_EQ(c.entry.name, problem.entry);
        EXPECT_EQ(0u, target.files.count(c.entry.name)) << c.entry.name;
        EXPECT_EQ((std::vector<std::string>{c.entry.name}), target.removed);
    }
}

TEST(PackReader, ATruncatedPackIsRefusedAtEveryLength)
{
    const auto whole = MakeZip({{"s.rv4", "scene"}, {"sign1/a.bmp", Noise(20000)}});
    for (std::size_t length = 0; length < whole.size(); length += 7) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        MemoryTarget target;
        // Cut inside the directory's end record, the entry count can read as 0: no scene then.
        EXPECT_NE(PackFault::None, Unpack(cut, target).fault) << length;
        EXPECT_TRUE(target.files.empty()) << length;
    }
}

TEST(PackReader, TooManyEntriesAreRefusedBeforeTheyAreRead)
{
    std::vector<TestEntry> entries{{"s.rv4", "s"}};
    for (int i = 0; i < static_cast<int>(kMaxPackEntries); ++i)
        entries.push_back({"f/" + std::to_string(i), "", 0x0800, 0});
    EXPECT_EQ(PackFault::TooManyEntries, Check(MakeZip(entries)).fault);
    entries.pop_back();
    EXPECT_EQ(PackFault::None, Check(MakeZip(entries)).fault);
}

TEST(PackReader, AFolderThatRefusesAFileAndACancelStopTheUnpacking)
{
    const auto bytes = MakeZip({{"s.rv4", "s"}, {"a.bmp", Noise(200000)}, {"b.bmp", "b"}});
    MemoryTarget refusing;
    refusing.failPath = "a.bmp";
    const PackProblem problem = Unpack(bytes, refusing);
    EXPECT_EQ(PackFault::WriteFailed, problem.fault);
    EXPECT_EQ(5u, problem.errorCode);
    EXPECT_EQ(0u, refusing.files.count("b.bmp"));

    MemoryTarget cancelled;
    CancelAfter cancel(2);
    EXPECT_EQ(PackFault::Cancelled, Unpack(bytes, cancelled, &cancel).fault);
    EXPECT_EQ(0u, cancelled.files.count("a.bmp"));
}

// Two names Windows takes as one that the checks cannot see (Ａ and ａ, an 8.3 alias): the
// folder says the second is there already, and that is the pack's duplicate.
TEST(PackReader, ANameTheFolderHasAlreadyIsADuplicate)
{
    MemoryTarget target;
    target.files["b.bmp"] = "as the first name made it";
    const PackProblem problem = Unpack(MakeZip({{"s.rv4", "s"}, {"b.bmp", "b"}}), target);
    EXPECT_EQ(PackFault::Duplicate, problem.fault);
    EXPECT_EQ("b.bmp", problem.entry);
}

TEST(PackReader, EmptyEntriesEachGiveTheWatcherAChanceToStop)
{
    std::vector<TestEntry> entries{{"s.rv4", "s"}};
    for (int i = 0; i < 10; ++i)
        entries.push_back({"f/" + std::to_string(i), ""});
    MemoryTarget target;
    CancelAfter cancel(4);
    EXPECT_EQ(PackFault::Cancelled, Unpack(MakeZip(entries), target, &cancel).fault);
    EXPECT_GT(entries.size(), target.files.size());
}

// A blank frame deflates to about a thousandth: packs another zip tool wrote so open, and so do
// the writer's, which deflates a file as it comes in chunks.
TEST(PackWriter, FilesWrittenInChunksReadBackWhole)
{
    const std::string varied = Noise(200000);
    const std::string blank(3000000, '\0');
    EXPECT_EQ(PackFault::None, Check(MakeZip({{"s.rv4", "s"}, {"blank.bmp", blank}})).fault);

    MemoryZipStream stream;
    {
        PackWriter writer(stream);
        const PackTime time{2026, 12, 11, 9, 30, 10};
        ASSERT_TRUE(writer.AddFile("s.rv4", reinterpret_cast<const std::uint8_t*>("s"), 1, time));
        for (const auto& [name, data] : {std::pair<const char*, const std::string&>{"sign1/varied.bmp", varied},
                                         std::pair<const char*, const std::string&>{"background/blank.bmp", blank}}) {
            ASSERT_TRUE(writer.BeginFile(name, time));
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
            for (std::size_t at = 0; at < data.size(); at += 65536)
                ASSERT_TRUE(writer.WriteToFile(bytes + at, std::min<std::size_t>(65536, data.size() - at)));
            ASSERT_TRUE(writer.EndFile());
        }
        ASSERT_TRUE(writer.Finish());
    }
    MemoryTarget target;
    ASSERT_EQ(PackFault::None, Unpack(stream.Bytes(), target).fault);
    EXPECT_TRUE(varied == target.files["sign1/varied.bmp"]);
    EXPECT_TRUE(blank == target.files["background/blank.bmp"]);
}

TEST(PackReader, WhatTheWriterWritesReadsBackWithTheUtf8Flag)
{
    MemoryZipStream stream;
    {
        PackWriter writer(stream);
        ASSERT_TRUE(writer.IsOpen());
        const std::string scene = "scene";
        std::string varied;
        for (int i = 0; i < 50000; ++i)
            varied += static_cast<char>((i * 7919) % 251);
        const std::string flat(1000000, '\0');  // deflates far past the ratio the reader allows
        PackTime time{2026, 12, 11, 9, 30, 10};
        ASSERT_TRUE(writer.AddFile("\xE8\xA1\x8C.rv4", reinterpret_cast<const std::uint8_t*>(scene.data()), scene.size(), time));
        ASSERT_TRUE(writer.AddFile("sign1/varied.bmp", reinterpret_cast<const std::uint8_t*>(varied.data()), varied.size(), time));
        ASSERT_TRUE(writer.AddFile("sign1/flat.bmp", reinterpret_cast<const std::uint8_t*>(flat.data()), flat.size(), time));
        ASSERT_TRUE(writer.AddFile("sign2/empty.bmp", nullptr, 0, time));
        ASSERT_TRUE(writer.Finish());
    }
    // Every name carries the UTF-8 flag (bit 11 of the central directory's flags, at offset 8).
    const std::vector<std::uint8_t>& bytes = stream.Bytes();
    int headers = 0;
    for (std::size_t i = 0; i + 10 < bytes.size(); ++i) {
        if (bytes[i] == 'P' && bytes[i + 1] == 'K' && bytes[i + 2] == 1 && bytes[i + 3] == 2) {
            ++headers;
            EXPECT_EQ(0x08, bytes[i + 9] & 0x08);
        }
    }
    EXPECT_EQ(4, headers);

    MemoryTarget target;
    ASSERT_EQ(PackFault::None, Unpack(bytes, target).fault);
    EXPECT_EQ(1000000u, target.files["sign1/flat.bmp"].size());
    EXPECT_EQ(50000u, target.files["sign1/varied.bmp"].size());
    EXPECT_EQ("scene", target.files["\x8D\x73.rv4"]);
    EXPECT_EQ(1u, target.files.count("sign2/empty.bmp"));
}

#ifndef _WIN32
// The usual zip tools take what the writer writes: Info-ZIP's unzip tests every entry's data
// and checksum. Skipped where unzip is not installed (make deps installs it).
TEST(PackWriter, UnzipAcceptsThePack)
{
    if (std::system("unzip -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "unzip is not installed";
    MemoryZipStream stream;
    {
        PackWriter writer(stream);
        const std::string scene = "scene";
        const std::string picture = test::Noise(70000);
        const std::string flat(500000, 'w');
        const PackTime time{2026, 12, 11, 9, 30, 10};
        ASSERT_TRUE(writer.AddFile("\xE8\xA1\x8C\xE5\x85\x88.rv4", reinterpret_cast<const std::uint8_t*>(scene.data()), scene.size(), time));
        ASSERT_TRUE(writer.AddFile("sign1/strip.bmp", reinterpret_cast<const std::uint8_t*>(picture.data()), picture.size(), time));
        ASSERT_TRUE(writer.AddFile("sign2/\xE5\xB9\x95/01.bmp", reinterpret_cast<const std::uint8_t*>(flat.data()), flat.size(), time));
        ASSERT_TRUE(writer.Finish());
    }
    char path[] = "/tmp/rolva-pack-XXXXXX";
    const int file = mkstemp(path);
    ASSERT_GE(file, 0);
    const std::vector<std::uint8_t>& bytes = stream.Bytes();
    ASSERT_EQ(static_cast<ssize_t>(bytes.size()), write(file, bytes.data(), bytes.size()));
    close(file);
    const int status = std::system(("unzip -tqq " + std::string(path)).c_str());
    unlink(path);
    EXPECT_EQ(0, status);
}
#endif

}  // namespace
}  // namespace rolva
