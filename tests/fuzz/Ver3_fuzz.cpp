// Any bytes decode without a fault into a consistent result.
#include "document/core/Ver3File.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// 32767 twips, the largest length a 16-bit element can hold.
constexpr std::int32_t kLargestPixels = 2184;

bool InPixelRange(std::int32_t value)
{
    return std::abs(value) <= kLargestPixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rolva::MemoryByteSource source(data, size);
    rolva::Ver3Record record;
    rolva::ReadResult result = rolva::DecodeVer3(source, &record);

    ROLVA_FUZZ_CHECK(result.fieldsRead >= 0 && result.fieldsRead <= rolva::kVer3ElementCount);
    ROLVA_FUZZ_CHECK(result.status != rolva::ReadStatus::WrongMagic);
    ROLVA_FUZZ_CHECK((result.status == rolva::ReadStatus::Ok) == (result.fieldsRead == rolva::kVer3ElementCount));
    if (result.status == rolva::ReadStatus::ReadError) {
        ROLVA_FUZZ_CHECK(result.errorCode == rolva::kErrorHandleEof);  // 16-bit counts are never invalid
        return 0;
    }
    // Texts end at a zero byte or the end of the file, so they never hold more than the file.
    ROLVA_FUZZ_CHECK(116 + record.backgroundPath.size() + record.signs[0].picturePath.size() +
                         record.signs[1].picturePath.size() <= size);
    ROLVA_FUZZ_CHECK(InPixelRange(record.formHeight) && InPixelRange(record.formWidth));
    for (const rolva::Ver3SignRecord& sign : record.signs) {
        ROLVA_FUZZ_CHECK(InPixelRange(sign.left) && InPixelRange(sign.top));
        ROLVA_FUZZ_CHECK(InPixelRange(sign.height) && InPixelRange(sign.width));
    }
    return 0;
}
