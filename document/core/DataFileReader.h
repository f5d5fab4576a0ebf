// Reading the binary data files and the settings file: little-endian numbers and counted strings.
//
// DataFileReader keeps the file object's plain rules, which the formats were written against.
// FieldReader builds the decoders' stricter reading on it: a field counts only when read whole.
#pragma once

#include <cstdint>
#include <string>

#include "base/core/ByteSource.h"

namespace rolva {

class DataFileReader {
public:
    explicit DataFileReader(ByteSource& source);  // borrowed: the source outlives the reader

    // Each number is read into a buffer zeroed first, so a short read leaves the missing high bytes
    // zero and a read at the end gives 0. The result is the source's Read result.
    bool ReadInt32(std::int32_t* out);
    bool ReadInt16(std::int16_t* out);
    bool ReadByte(std::uint8_t* out);

    // A string is a count (int32, or unsigned 16-bit for ReadString16) and that many bytes. Count 0,
    // as a read at the end gives, is "" and ok. The text is the bytes up to the first zero, so a
    // count larger than what is left gives the shorter text. A failed read, a negative count or one
    // whose count + 1 does not fit an int32, and a block that cannot be allocated set ok to false.
    std::string ReadString(bool* ok);
    std::string ReadString16(bool* ok);

    // The text part of a string whose count has already been read, with the rules above.
    std::string ReadText(std::int64_t count, bool* ok);

    std::uint32_t BytesRead() const;  // of the last Read
    bool EndOfFile() const;           // a read has succeeded with no bytes
    std::uint32_t ErrorCode() const;  // why the last failed read failed

private:
    bool ReadRaw(void* buffer, std::uint32_t size);
    std::string FinishString(bool countRead, std::int64_t count, bool* ok);

    ByteSource& source;
    std::uint32_t bytesRead = 0;
    bool endOfFile = false;
    std::uint32_t errorCode = 0;
};

enum class ReadStatus {
    Ok,          // every field was read
    WrongMagic,  // the file is not of this format; nothing is to be applied
    ReadError,   // fields 1..fieldsRead were read; errorCode says why the next one was not
};

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    int fieldsRead = 0;           // fields read whole, counted from 1 in file order
    std::uint32_t errorCode = 0;  // for ReadError: the code whose system text the message shows
};

// Reads fields in file order and stops for good at the first one that is not read whole: a failed
// read, a bad string count, or a number or count cut off by the end of the file (kErrorHandleEof),
// so a file that ends early never reads as zeros. A string's text may still come out shorter than
// its count. Outputs are written only for fields read whole.
class FieldReader {
public:
    explicit FieldReader(ByteSource& source);  // borrowed

    bool ReadInt32(std::int32_t* out);
    bool ReadInt16(std::int16_t* out);
    bool ReadByte(std::uint8_t* out);
    bool ReadString(std::string* out);    // int32 count
    bool ReadString16(std::string* out);  // unsigned 16-bit count

    bool Ok() const;
    int FieldsRead() const;
    // Ok, or ReadError with the fields read and the error code.
    ReadResult Result() const;

private:
    bool CheckWhole(bool readOk, std::uint32_t size);
    bool ReadCountedText(std::int64_t count, std::string* out);
    bool Fail(std::uint32_t code);

    DataFileReader reader;
    bool ok = true;
    int fieldsRead = 0;
    std::uint32_t errorCode = 0;
};

}  // namespace rolva
