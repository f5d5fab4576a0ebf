// Any bytes decode without a fault into a consistent result.
#include "document/core/Ver3File.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rolva::MemoryByteSource source(data, size);
    rolva::DigitalVer3Record record;
    rolva::ReadResult result = rolva::DecodeDigitalVer3(source, &record);

    ROLVA_FUZZ_CHECK(result.fieldsRead >= 0 && result.fieldsRead <= rolva::kDigitalVer3ElementCount);
    ROLVA_FUZZ_CHECK(result.status != rolva::ReadStatus::WrongMagic);
    ROLVA_FUZZ_CHECK((result.status == rolva::ReadStatus::Ok) ==
                     (result.fieldsRead == rolva::kDigitalVer3ElementCount));
    if (result.status == rolva::ReadStatus::ReadError) {
        ROLVA_FUZZ_CHECK(result.errorCode == rolva::kErrorHandleEof);
        return 0;
    }
    // A text ends at its first zero byte or at the end of the file, so it is never longer than the
    // bytes its count made the reader consume.
    ROLVA_FUZZ_CHECK(48 + record.backgroundPath.size() + record.folderPath.size() <= source.Position());
    // A whole record is 48 bytes of fields and the two texts' counts, read here from the bytes
    // themselves: the reader consumed exactly that, no byte more or less.
    const auto count16 = [data](std::size_t at) { return static_cast<std::size_t>(data[at] | data[at + 1] << 8); };
    const std::size_t backgroundCount = count16(0);
    ROLVA_FUZZ_CHECK(source.Position() == 48 + backgroundCount + count16(12 + backgroundCount));
    return 0;
}
