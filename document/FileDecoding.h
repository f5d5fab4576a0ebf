// Reading a file of the program's formats into its record through the file byte source.
#pragma once

#include <string>

#include "base/FileStreams.h"
#include "document/core/DataFileReader.h"

namespace rolva {

// Decodes the file at path into the record; false, with nothing decoded, when the file cannot be
// opened. The file is closed again before this returns.
template <typename Record, typename Decoder>
bool DecodeFile(const std::string& path, Decoder decode, Record* record, ReadResult* result)
{
    FileByteSource file(path);
    if (!file.IsOpen())
        return false;
    *result = decode(file, record);
    return true;
}

}  // namespace rolva
