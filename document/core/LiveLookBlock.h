// The scene's live look in the .rv4: a block after the file's last field. Readers of the
// 22 fields stop before it and never see it, and a scene whose signs all keep the defaults has
// no block, so its file stays byte for byte as it always was.
//
// The block, in the file's own encoding (little-endian int32, strings as an int32 count and text):
//   the tag "RolvaLiveLook", the version (1), the payload's byte count, then per sign seven int32:
//   page time (ms), scroll speed (pixels per second), dot look (0 or 1), dot pitch, round dots
//   (0 or 1), gap colour (0x00RRGGBB), glow (0 or 1).
// A later version may add values after these, after both signs' seven (never between them); a
// reader takes those it knows and leaves the rest.
// A block that is missing, cut short or malformed gives every sign the defaults, never an error:
// the scene itself was read whole. Numbers out of their ranges are clamped, flags other than 0
// read as on.
#pragma once

#include <cstdint>

#include "base/core/ByteSource.h"
#include "document/core/DataFileReader.h"
#include "document/core/DataFileWriter.h"
#include "document/core/SceneLiveLook.h"
#include "document/core/Ver4File.h"

namespace rolva {

constexpr char kLiveLookTag[] = "RolvaLiveLook";
constexpr std::int32_t kLiveLookVersion = 1;

// Reads the block from where the 22 fields end.
SceneLiveLook DecodeLiveLookBlock(ByteSource& source);

// Writes the block, or nothing when every sign keeps the defaults.
WriteResult EncodeLiveLookBlock(const SceneLiveLook& look, ByteSink& sink);

// A whole .rv4 scene: the 22 fields and the live look after them.
struct Ver4Scene {
    Ver4Record fields;
    SceneLiveLook live;
};

// DecodeVer4, then the block when the 22 fields were read whole; otherwise live stays as it was.
ReadResult DecodeVer4Scene(ByteSource& source, Ver4Scene* scene);

// EncodeVer4, then the block; fieldsWritten counts the block's values after the 22 fields.
WriteResult EncodeVer4Scene(const Ver4Scene& scene, ByteSink& sink);

}  // namespace rolva
