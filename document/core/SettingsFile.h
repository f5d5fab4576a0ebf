// The settings file beside the executable: where the Form and the ControlPanel stood at the last
// exit, six little-endian int32 values (24 bytes) and nothing else.
#pragma once

#include <cstdint>

#include "base/core/ByteSource.h"
#include "document/core/DataFileReader.h"
#include "document/core/DataFileWriter.h"

namespace rolva {

// In file order; the shell applies values 1..fieldsRead in this order.
struct SettingsRecord {
    std::int32_t formLeft = 0;  // the Form's outer window rectangle, screen coordinates
    std::int32_t formTop = 0;
    std::int32_t formWidth = 0;  // outer size
    std::int32_t formHeight = 0;
    std::int32_t panelLeft = 0;  // the ControlPanel's outer place; its size follows from the signs
    std::int32_t panelTop = 0;
};

constexpr int kSettingsFieldCount = 6;

// Stops at the first value not read whole, which with its followers is not to be applied; bytes
// after the sixth value are ignored. A short file is no error to report: the windows keep their
// start-up places for the values it lacks.
ReadResult DecodeSettings(ByteSource& source, SettingsRecord* record);

// The 24 bytes, stopping at the first failed write.
WriteResult EncodeSettings(const SettingsRecord& record, ByteSink& sink);

}  // namespace rolva
