#include "document/core/DataFileReader.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <new>
#include <utility>

namespace rolva {

namespace {

std::uint32_t LoadLittleEndian(const std::uint8_t* bytes, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

}  // namespace

DataFileReader::DataFileReader(ByteSource& source) : source(source) {}

bool DataFileReader::ReadInt32(std::int32_t* out)
{
    std::uint8_t buffer[4] = {};
    bool result = ReadRaw(buffer, sizeof buffer);
    *out = static_cast<std::int32_t>(LoadLittleEndian(buffer, sizeof buffer));
    return result;
}

bool DataFileReader::ReadInt16(std::int16_t* out)
{
    std::uint8_t buffer[2] = {};
    bool result = ReadRaw(buffer, sizeof buffer);
    *out = static_cast<std::int16_t>(LoadLittleEndian(buffer, sizeof buffer));
    return result;
}

bool DataFileReader::ReadByte(std::uint8_t* out)
{
    std::uint8_t buffer[1] = {};
    bool result = ReadRaw(buffer, sizeof buffer);
    *out = buffer[0];
    return result;
}

std::string DataFileReader::ReadString(bool* ok)
{
    std::int32_t count = 0;
    bool countRead = ReadInt32(&count);
    return FinishString(countRead, count, ok);
}

std::string DataFileReader::ReadString16(bool* ok)
{
    std::int16_t count = 0;
    bool countRead = ReadInt16(&count);
    return FinishString(countRead, static_cast<std::uint16_t>(count), ok);
}

std::string DataFileReader::FinishString(bool countRead, std::int64_t count, bool* ok)
{
    if (!countRead) {
        // Strings flag the end of the file on a failed read with nothing delivered, too.
        if (bytesRead == 0) {
            endOfFile = true;
        }
        *ok = false;
        return {};
    }
    return ReadText(count, ok);
}

std::string DataFileReader::ReadText(std::int64_t count, bool* ok)
{
    *ok = false;
    if (count == 0) {
        *ok = true;
        return {};
    }
    // The text goes into a zeroed block of count + 1 bytes, an int32 size in the file's own terms.
    if (count < 0 || count >= INT32_MAX) {
        errorCode = kErrorInvalidData;
        return {};
    }
    std::uint64_t left = 0;
    if (!source.BytesLeft(&left)) {
        errorCode = source.LastError();
        return {};
    }
    // Asking for more than is left would deliver no more, so the text is the same; this way a
    // corrupt count cannot make the block gigabytes long.
    auto size = static_cast<std::uint32_t>(std::min<std::uint64_t>(static_cast<std::uint64_t>(count), left));
    std::unique_ptr<char[]> block(new (std::nothrow) char[size + 1]());
    if (!block) {
        errorCode = kErrorNotEnoughMemory;
        return {};
    }
    if (!ReadRaw(block.get(), size)) {
        if (bytesRead == 0) {
            endOfFile = true;
        }
        return {};
    }
    *ok = true;
    return std::string(block.get());
}

std::uint32_t DataFileReader::BytesRead() const
{
    return bytesRead;
}

bool DataFileReader::EndOfFile() const
{
    return endOfFile;
}

std::uint32_t DataFileReader::ErrorCode() const
{
    return errorCode;
}

bool DataFileReader::ReadRaw(void* buffer, std::uint32_t size)
{
    bool result = source.Read(buffer, size, &bytesRead);
    if (!result) {
        errorCode = source.LastError();
    } else if (bytesRead == 0) {
        endOfFile = true;
    }
    return result;
}

FieldReader::FieldReader(ByteSource& source) : reader(source) {}

bool FieldReader::ReadInt32(std::int32_t* out)
{
    std::int32_t value = 0;
    if (!ok || !CheckWhole(reader.ReadInt32(&value), 4)) {
        return false;
    }
    *out = value;
    ++fieldsRead;
    return true;
}

bool FieldReader::ReadInt16(std::int16_t* out)
{
    std::int16_t value = 0;
    if (!ok || !CheckWhole(reader.ReadInt16(&value), 2)) {
        return false;
    }
    *out = value;
    ++fieldsRead;
    return true;
}

bool FieldReader::ReadByte(std::uint8_t* out)
{
    std::uint8_t value = 0;
    if (!ok || !CheckWhole(reader.ReadByte(&value), 1)) {
        return false;
    }
    *out = value;
    ++fieldsRead;
    return true;
}

bool FieldReader::ReadString(std::string* out)
{
    std::int32_t count = 0;
    if (!ok || !CheckWhole(reader.ReadInt32(&count), 4)) {
        return false;
    }
    return ReadCountedText(count, out);
}

bool FieldReader::ReadString16(std::string* out)
{
    std::int16_t count = 0;
    if (!ok || !CheckWhole(reader.ReadInt16(&count), 2)) {
        return false;
    }
    return ReadCountedText(static_cast<std::uint16_t>(count), out);
}

bool FieldReader::Ok() const
{
    return ok;
}

int FieldReader::FieldsRead() const
{
    return fieldsRead;
}

ReadResult FieldReader::Result() const
{
    ReadResult result;
    result.status = ok ? ReadStatus::Ok : ReadStatus::ReadError;
    result.fieldsRead = fieldsRead;
    result.errorCode = errorCode;
    return result;
}

bool FieldReader::CheckWhole(bool readOk, std::uint32_t size)
{
    if (!readOk) {
        return Fail(reader.ErrorCode());
    }
    if (reader.BytesRead() != size) {
        return Fail(kErrorHandleEof);
    }
    return true;
}

bool FieldReader::ReadCountedText(std::int64_t count, std::string* out)
{
    bool textOk = false;
    std::string text = reader.ReadText(count, &textOk);
    if (!textOk) {
        return Fail(reader.ErrorCode());
    }
    *out = std::move(text);
    ++fieldsRead;
    return true;
}

bool FieldReader::Fail(std::uint32_t code)
{
    ok = false;
    errorCode = code;
    return false;
}

}  // namespace rolva
