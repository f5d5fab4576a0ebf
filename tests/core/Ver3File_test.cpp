#include "document/core/Ver3File.h"

#include "tests/core/TestBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le16;
using test::Le32;
using test::Prefix;
using test::Text;

TEST(TwipsToPixels, DividesByFifteenTowardZero)
{
    struct Case {
        std::int32_t twips;
        std::int32_t pixels;
    };
    const Case cases[] = {
        {1800, 120}, {29, 1},  {14, 0},     {-29, -1},    {-14, 0},    {15, 1},
        {-15, -1},   {6750, 450}, {32767, 2184}, {-32768, -2184},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.pixels, TwipsToPixels(c.twips)) << c.twips;
    }
}

enum class Type { Int16, Int32, String16 };

struct Element {
    Type type;
    std::int32_t value;
    std::string text;
};

Element I16(std::int32_t value) { return {Type::Int16, value, {}}; }
Element I32(std::int32_t value) { return {Type::Int32, value, {}}; }
Element S16(const std::string& text) { return {Type::String16, 0, text}; }

// Reserved elements hold values that no field may pick up.
constexpr std::int32_t kReserved16 = 0x7A7B;
constexpr std::int32_t kReserved32 = 0x7C7D7E7F;

// Elements 6 to 25 or 26 to 45.
std::vector<Element> SignBlock(const std::string& path, std::int32_t left, std::int32_t top, std::int32_t height,
                               std::int32_t width, std::int32_t corner, std::int32_t speed, std::int32_t interval)
{
    return {S16(path),       I16(left),       I16(top),        I16(height),      I16(width),
            I32(kReserved32), I16(kReserved16), I16(kReserved16), I16(kReserved16), I16(kReserved16),
            I16(kReserved16), I32(kReserved32), I32(kReserved32), I16(kReserved16), I16(corner),
            I16(kReserved16), I16(speed),      I16(interval),   I32(kReserved32), I32(kReserved32)};
}

// A Ver3 file in layout order, its strings 2, 6 and 2 bytes long; every field differs from a
// fresh record's, so a field left unread shows.
std::vector<Element> Ver3Sample()
{
    std::vector<Element> elements = {S16("bg"), I16(6750), I16(9000), I32(kReserved32), I16(2)};
    for (const auto& block : {SignBlock("s1.bmp", 1155, 390, 855, 1845, 8, 300, 2500),
                              SignBlock("s2", 3465, -29, 29, 32767, 50, 1000, -5)}) {
        elements.insert(elements.end(), block.begin(), block.end());
    }
    elements.push_back(I16(1));  // first sign off
    elements.push_back(I16(7));  // second sign: anything but 1 shows it
    return elements;
}

struct File {
    Bytes bytes;
    std::vector<std::size_t> starts;      // starts[n - 1]: offset of element n
    std::vector<std::size_t> wholeSizes;  // of its number or count, which must be read whole
};

File Build(const std::vector<Element>& elements)
{
    File file;
    for (const Element& e : elements) {
        file.starts.push_back(file.bytes.size());
        file.wholeSizes.push_back(e.type == Type::Int32 ? 4 : 2);
        Bytes bytes = e.type == Type::Int16   ? Le16(e.value)
                      : e.type == Type::Int32 ? Le32(e.value)
                                              : Concat({Le16(static_cast<std::int32_t>(e.text.size())), Text(e.text)});
        file.bytes.insert(file.bytes.end(), bytes.begin(), bytes.end());
    }
    return file;
}

int SignElement(int sign, Ver3SignElement element)
{
    return Ver3SignElementNumber(sign, element);
}

// For each element that goes into the record: the record holds its sample value.
template <typename Record>
using Checks = std::map<int, std::function<bool(const Record&)>>;

const Checks<Ver3Record>& Ver3SampleChecks()
{
    static const Checks<Ver3Record> checks = {
        {kVer3BackgroundPathElement, [](const Ver3Record& r) { return r.backgroundPath == "bg"; }},
        {kVer3FormHeightElement, [](const Ver3Record& r) { return r.formHeight == 450; }},
        {kVer3FormWidthElement, [](const Ver3Record& r) { return r.formWidth == 600; }},
        {kVer3KeypadCountElement, [](const Ver3Record& r) { return r.keypadCount == 2; }},
        {SignElement(0, Ver3SignElement::PicturePath), [](const Ver3Record& r) { return r.signs[0].picturePath == "s1.bmp"; }},
        {SignElement(0, Ver3SignElement::Left), [](const Ver3Record& r) { return r.signs[0].left == 77; }},
        {SignElement(0, Ver3SignElement::Top), [](const Ver3Record& r) { return r.signs[0].top == 26; }},
        {SignElement(0, Ver3SignElement::Height), [](const Ver3Record& r) { return r.signs[0].height == 57; }},
        {SignElement(0, Ver3SignElement::Width), [](const Ver3Record& r) { return r.signs[0].width == 123; }},
        {SignElement(0, Ver3SignElement::CornerRadius), [](const Ver3Record& r) { return r.signs[0].cornerRadius == 8; }},
        {SignElement(0, Ver3SignElement::Speed), [](const Ver3Record& r) { return r.signs[0].speed == 300; }},
        {SignElement(0, Ver3SignElement::Interval), [](const Ver3Record& r) { return r.signs[0].interval == 2500; }},
        {SignElement(1, Ver3SignElement::PicturePath), [](const Ver3Record& r) { return r.signs[1].picturePath == "s2"; }},
        {SignElement(1, Ver3SignElement::Left), [](const Ver3Record& r) { return r.signs[1].left == 231; }},
        {SignElement(1, Ver3SignElement::Top), [](const Ver3Record& r) { return r.signs[1].top == -1; }},
        {SignElement(1, Ver3SignElement::Height), [](const Ver3Record& r) { return r.signs[1].height == 1; }},
        {SignElement(1, Ver3SignElement::Width), [](const Ver3Record& r) { return r.signs[1].width == 2184; }},
        {SignElement(1, Ver3SignElement::CornerRadius), [](const Ver3Record& r) { return r.signs[1].cornerRadius == 50; }},
        {SignElement(1, Ver3SignElement::Speed), [](const Ver3Record& r) { return r.signs[1].speed == 1000; }},
        {SignElement(1, Ver3SignElement::Interval), [](const Ver3Record& r) { return r.signs[1].interval == -5; }},
        {Ver3SignOffElementNumber(0), [](const Ver3Record& r) { return r.signOff[0] == 1; }},
        {Ver3SignOffElementNumber(1), [](const Ver3Record& r) { return r.signOff[1] == 7; }},
    };
    return checks;
}

const Checks<DigitalVer3Record>& DigitalSampleChecks()
{
    static const Checks<DigitalVer3Record> checks = {
        {kVer3BackgroundPathElement, [](const DigitalVer3Record& r) { return r.backgroundPath == "bg"; }},
        {kVer3FormHeightElement, [](const DigitalVer3Record& r) { return r.formHeight == 450; }},
        {kVer3FormWidthElement, [](const DigitalVer3Record& r) { return r.formWidth == 600; }},
        {SignElement(0, Ver3SignElement::PicturePath), [](const DigitalVer3Record& r) { return r.folderPath == "s1.bmp"; }},
        {SignElement(0, Ver3SignElement::Left), [](const DigitalVer3Record& r) { return r.left == 77; }},
        {SignElement(0, Ver3SignElement::Top), [](const DigitalVer3Record& r) { return r.top == 26; }},
        {SignElement(0, Ver3SignElement::Height), [](const DigitalVer3Record& r) { return r.height == 57; }},
        {SignElement(0, Ver3SignElement::Width), [](const DigitalVer3Record& r) { return r.width == 123; }},
        {SignElement(0, Ver3SignElement::CornerRadius), [](const DigitalVer3Record& r) { return r.cornerRadius == 8; }},
    };
    return checks;
}

ReadResult Decode(const Bytes& bytes, Ver3Record* record)
{
    MemoryByteSource source(bytes);
    return DecodeVer3(source, record);
}

ReadResult Decode(const Bytes& bytes, DigitalVer3Record* record)
{
    MemoryByteSource source(bytes);
    return DecodeDigitalVer3(source, record);
}

// Cut at the start of every element and inside its number or count: the elements before it are
// read, it and the later ones are not, and the end of the file is the error.
template <typename Record>
void ExpectTruncationStopsBeforeTheCutElement(const File& file, int elementCount, const Checks<Record>& checks)
{
    for (int element = 1; element <= elementCount; ++element) {
        for (std::size_t into = 0; into < file.wholeSizes[element - 1]; ++into) {
            SCOPED_TRACE(::testing::Message() << "element " << element << " cut after " << into << " bytes");
            Record record;
            ReadResult result = Decode(Prefix(file.bytes, file.starts[element - 1] + into), &record);
            EXPECT_EQ(ReadStatus::ReadError, result.status);
            EXPECT_EQ(element - 1, result.fieldsRead);
            EXPECT_EQ(kErrorHandleEof, result.errorCode);
            for (const auto& [number, read] : checks) {
                EXPECT_EQ(number < element, read(record)) << "element " << number;
            }
        }
    }
}

TEST(Ver3File, SampleIs116BytesPlusItsStrings)
{
    File file = Build(Ver3Sample());
    EXPECT_EQ(116u + 2 + 6 + 2, file.bytes.size());
    EXPECT_EQ(static_cast<std::size_t>(kVer3ElementCount), file.starts.size());
}

TEST(Ver3File, DecodesEveryElementInPixels)
{
    Ver3Record record;
    ReadResult result = Decode(Build(Ver3Sample()).bytes, &record);
    EXPECT_EQ(ReadStatus::Ok, result.status);
    EXPECT_EQ(kVer3ElementCount, result.fieldsRead);
    for (const auto& [number, read] : Ver3SampleChecks()) {
        EXPECT_TRUE(read(record)) << "element " << number;
    }
}

TEST(Ver3File, TruncationStopsBeforeTheCutElement)
{
    ExpectTruncationStopsBeforeTheCutElement(Build(Ver3Sample()), kVer3ElementCount, Ver3SampleChecks());
}

std::vector<Element> DigitalSample()
{
    std::vector<Element> elements = Ver3Sample();
    elements.resize(kDigitalVer3ElementCount);
    return elements;
}

TEST(DigitalVer3File, SampleIs48BytesPlusItsStrings)
{
    EXPECT_EQ(48u + 2 + 6, Build(DigitalSample()).bytes.size());
}

TEST(DigitalVer3File, DecodesEveryElementAndIgnoresTheRest)
{
    // A whole Ver3 file: the elements after the twentieth must not be read.
    const File file = Build(Ver3Sample());
    MemoryByteSource source(file.bytes);
    DigitalVer3Record record;
    ReadResult result = DecodeDigitalVer3(source, &record);
    EXPECT_EQ(ReadStatus::Ok, result.status);
    EXPECT_EQ(kDigitalVer3ElementCount, result.fieldsRead);
    EXPECT_EQ(file.starts[kDigitalVer3ElementCount], source.Position());
    for (const auto& [number, read] : DigitalSampleChecks()) {
        EXPECT_TRUE(read(record)) << "element " << number;
    }
}

TEST(DigitalVer3File, TruncationStopsBeforeTheCutElement)
{
    ExpectTruncationStopsBeforeTheCutElement(Build(DigitalSample()), kDigitalVer3ElementCount, DigitalSampleChecks());
}

// The 16-bit counts are unsigned: none is negative, and a large one just takes what is left.
TEST(DigitalVer3File, BackgroundCounts)
{
    struct Case {
        const char* name;
        Bytes file;
        ReadStatus status;
        int fieldsRead;
        std::string backgroundPath;
    };
    Bytes afterBackground = Build(DigitalSample()).bytes;
    afterBackground.erase(afterBackground.begin(), afterBackground.begin() + 4);  // count 2 and "bg"
    const Case cases[] = {
        {"empty, and reading goes on", Concat({Le16(0), afterBackground}), ReadStatus::Ok, kDigitalVer3ElementCount, ""},
        {"largest count takes the rest", Concat({Le16(0xFFFF), Text("abc")}), ReadStatus::ReadError, 1, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DigitalVer3Record record;
        record.backgroundPath = "before";
        ReadResult result = Decode(c.file, &record);
        EXPECT_EQ(c.status, result.status);
        EXPECT_EQ(c.fieldsRead, result.fieldsRead);
        EXPECT_EQ(c.backgroundPath, record.backgroundPath);
    }
}

}  // namespace
}  // namespace rolva
