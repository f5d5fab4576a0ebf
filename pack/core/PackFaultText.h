// What the user is told of a pack that cannot be opened: one message, whose second line says why.
#pragma once

#include "pack/core/PackReader.h"

namespace rolva {

// The line that says why, in the program's texts.
const char* PackFaultText(PackFault fault);

}  // namespace rolva
