// The name conversions of scene packs through the system's code pages: code page 932 and the
// system's own (the ANSI code page every path of the program is in) to and from UTF-8.
#pragma once

#include "pack/core/PackNames.h"

namespace rolva {

const PackTextCodec& SystemPackCodec();

}  // namespace rolva
