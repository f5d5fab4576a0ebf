// Loads a DLL of Windows itself from the system folder only. A bare name given to LoadLibrary
// is looked for in the exe's own folder first (often Downloads), where a planted DLL of the
// same name would run inside this program.
#pragma once

#include <windows.h>

namespace rolva {

// The named system DLL (a file name with no folder), or NULL when the system has none.
HMODULE LoadSystemLibrary(const char* fileName);

// The same by the full path in the system folder: what LoadSystemLibrary does on systems whose
// loader has no system-folder-only search.
HMODULE LoadSystemLibraryByPath(const char* fileName);

}  // namespace rolva
