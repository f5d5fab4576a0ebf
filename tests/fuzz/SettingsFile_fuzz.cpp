// Any bytes decode into as many values as the file holds whole; six of them encode back to the
// file's first 24 bytes.
#include "document/core/SettingsFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rolva::MemoryByteSource source(data, size);
    rolva::SettingsRecord record;
    rolva::ReadResult result = rolva::DecodeSettings(source, &record);

    const auto whole = static_cast<int>(std::min<std::size_t>(size / 4, rolva::kSettingsFieldCount));
    ROLVA_FUZZ_CHECK(result.fieldsRead == whole);
    ROLVA_FUZZ_CHECK((result.status == rolva::ReadStatus::Ok) == (whole == rolva::kSettingsFieldCount));
    if (result.status != rolva::ReadStatus::Ok) {
        ROLVA_FUZZ_CHECK(result.errorCode == rolva::kErrorHandleEof);
        return 0;
    }
    rolva::MemoryByteSink sink;
    ROLVA_FUZZ_CHECK(rolva::EncodeSettings(record, sink).ok);
    ROLVA_FUZZ_CHECK(sink.Bytes() == std::vector<std::uint8_t>(data, data + 24));
    return 0;
}
