// The data file named on the program's command line.
#pragma once

namespace rolva {

// Opens it with the reader its ending names; no argument or another ending does nothing.
void OpenCommandLineFile();

}  // namespace rolva
