// Reading and writing the data files: the program's own Ver4 format (.rv4) and the imports of
// the earlier Ver3 (.rv3) and digital Ver3 (.rvd) formats. Each reader applies what it reads in
// file order, reports its own failures and leaves a file that cannot be opened unreported.
#pragma once

#include <string>

namespace rolva {

void ReadVer4File(const std::string& path);
void WriteVer4File(const std::string& path);
void ReadVer3File(const std::string& path);
void ReadDigitalVer3File(const std::string& path);

}  // namespace rolva
