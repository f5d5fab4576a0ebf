// Any bytes decode without a fault into a consistent result; a file that decodes whole encodes to
// one that decodes to the same scene, and whose 22 fields read alone are the same fields.
#include "document/core/LiveLookBlock.h"
#include "document/core/Ver4File.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> EncodeFields(const rolva::Ver4Record& record)
{
    rolva::MemoryByteSink sink;
    ROLVA_FUZZ_CHECK(rolva::EncodeVer4(record, sink).ok);
    return sink.Bytes();
}

std::vector<std::uint8_t> EncodeScene(const rolva::Ver4Scene& scene)
{
    rolva::MemoryByteSink sink;
    ROLVA_FUZZ_CHECK(rolva::EncodeVer4Scene(scene, sink).ok);
    return sink.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rolva::MemoryByteSource source(data, size);
    rolva::Ver4Scene scene;
    rolva::ReadResult result = rolva::DecodeVer4Scene(source, &scene);

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
        ROLVA_FUZZ_CHECK(rolva::IsDefaultLiveLook(scene.live));
        return 0;
    }
    for (const rolva::SignLiveLook& sign : scene.live.signs) {
        ROLVA_FUZZ_CHECK(rolva::ClampedLiveLook(sign) == sign);
    }

    const std::vector<std::uint8_t> fields = EncodeFields(scene.fields);
    ROLVA_FUZZ_CHECK(fields.size() == 96 + scene.fields.backgroundPath.size() +
                                          scene.fields.signs[0].picturePath.size() +
                                          scene.fields.signs[1].picturePath.size());
    const std::vector<std::uint8_t> encoded = EncodeScene(scene);
    ROLVA_FUZZ_CHECK(encoded.size() >= fields.size() && std::equal(fields.begin(), fields.end(), encoded.begin()));
    ROLVA_FUZZ_CHECK((encoded.size() == fields.size()) == rolva::IsDefaultLiveLook(scene.live));

    rolva::MemoryByteSource fieldsOnly(encoded);
    rolva::Ver4Record record;
    ROLVA_FUZZ_CHECK(rolva::DecodeVer4(fieldsOnly, &record).status == rolva::ReadStatus::Ok);
    ROLVA_FUZZ_CHECK(EncodeFields(record) == fields);

    rolva::MemoryByteSource again(encoded);
    rolva::Ver4Scene reread;
    ROLVA_FUZZ_CHECK(rolva::DecodeVer4Scene(again, &reread).status == rolva::ReadStatus::Ok);
    ROLVA_FUZZ_CHECK(EncodeScene(reread) == encoded);
    return 0;
}
