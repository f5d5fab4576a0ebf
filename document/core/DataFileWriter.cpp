#include "document/core/DataFileWriter.h"

#include <cstring>

namespace rolva {

namespace {

void StoreLittleEndian32(std::uint32_t value, std::uint8_t* bytes)
{
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace

DataFileWriter::DataFileWriter(ByteSink& sink) : sink(sink) {}

bool DataFileWriter::WriteInt32(std::int32_t value)
{
    std::uint8_t bytes[4];
    StoreLittleEndian32(static_cast<std::uint32_t>(value), bytes);
    if (!WriteRaw(bytes, sizeof bytes)) {
        return false;
    }
    ++result.fieldsWritten;
    return true;
}

bool DataFileWriter::WriteByte(std::uint8_t value)
{
    if (!WriteRaw(&value, 1)) {
        return false;
    }
    ++result.fieldsWritten;
    return true;
}

bool DataFileWriter::WriteString(const std::string& text)
{
    // Stored strings end at their first zero byte, which is all a reader can get back anyway.
    auto count = static_cast<std::uint32_t>(std::strlen(text.c_str()));
    std::uint8_t countBytes[4];
    StoreLittleEndian32(count, countBytes);
    if (!WriteRaw(countBytes, sizeof countBytes) || (count > 0 && !WriteRaw(text.data(), count))) {
        return false;
    }
    ++result.fieldsWritten;
    return true;
}

WriteResult DataFileWriter::Result() const
{
    return result;
}

bool DataFileWriter::WriteRaw(const void* data, std::uint32_t size)
{
    if (!result.ok) {
        return false;
    }
    std::uint32_t written = 0;
    if (!sink.Write(data, size, &written)) {
        result.ok = false;
        result.errorCode = sink.LastError();
        return false;
    }
    if (written != size) {
        result.ok = false;
        result.errorCode = kErrorDiskFull;
        return false;
    }
    return true;
}

}  // namespace rolva
