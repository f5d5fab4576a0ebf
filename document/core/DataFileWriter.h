// Writing the data files and the settings file: little-endian numbers and int32-counted strings.
#pragma once

#include <cstdint>
#include <string>

#include "base/core/ByteSource.h"

namespace rolva {

struct WriteResult {
    bool ok = true;
    int fieldsWritten = 0;        // whole fields, counted from 1 in file order
    std::uint32_t errorCode = 0;  // when not ok: the code whose system text the message shows
};

// Writes fields in file order and stops for good at the first write that fails; the fields before
// it stay in the sink. A write that stores fewer bytes than asked counts as failed (kErrorDiskFull).
class DataFileWriter {
public:
    explicit DataFileWriter(ByteSink& sink);  // borrowed

    bool WriteInt32(std::int32_t value);
    bool WriteByte(std::uint8_t value);
    // The text up to its first zero byte, after its int32 count; an empty text is just the count.
    bool WriteString(const std::string& text);

    WriteResult Result() const;

private:
    bool WriteRaw(const void* data, std::uint32_t size);

    ByteSink& sink;
    WriteResult result;
};

}  // namespace rolva
