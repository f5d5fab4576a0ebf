// Any bytes decode without a fault into a consistent result; a file that decodes whole encodes to
// one that decodes to the same record.
#include "document/core/Ver4File.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> Encode(const rolva::Ver4Record& record)
{
    rolva::MemoryByteSink sink;
    ROLVA_FUZZ_CHECK(rolva::EncodeVer4(record, sink).ok);
    return sink.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rolva::MemoryByteSource source(data, size);
    rolva::Ver4Record record;
    rolva::ReadResult result = rolva::DecodeVer4(source, &record);

    ROLVA_FUZZ_CHECK(result.fieldsRead >= 0 && result.fieldsRead <= rolva::kVer4FieldCount);
    switch (result.status) {
    case rolva::ReadStatus::Ok:
        ROLVA_FUZZ_CHECK(result.fieldsRead == rolva::kVer4FieldCount);
        break;
    case rolva::ReadStatus::WrongMagic:
        ROLVA_FUZZ_CHECK(result.fieldsRead == rolva::kVer4MagicField);
        break;
    case rolva::ReadStatus::ReadError:
        ROLVA_FUZZ_CHECK(result.errorCode == rolva::kErrorHandleEof || result.errorCode == rolva::kErrorInvalidData);
        break;
    }
    if (result.status != rolva::ReadStatus::Ok) {
        return 0;
    }

    std::vector<std::uint8_t> encoded = Encode(record);
    ROLVA_FUZZ_CHECK(encoded.size() == 96 + record.backgroundPath.size() + record.signs[0].picturePath.size() +
                                           record.signs[1].picturePath.size());
    rolva::MemoryByteSource again(encoded);
    rolva::Ver4Record reread;
    ROLVA_FUZZ_CHECK(rolva::DecodeVer4(again, &reread).status == rolva::ReadStatus::Ok);
    ROLVA_FUZZ_CHECK(Encode(reread) == encoded);
    return 0;
}
