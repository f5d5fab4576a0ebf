// Reading and writing the data files: the program's own Ver4 format (.rv4) and the imports of
// the earlier Ver3 (.rv3) and digital Ver3 (.rvd) formats. Each reader applies what it reads in
// file order, reports its own failures and leaves a file that cannot be opened unreported.
#pragma once

#include <string>

namespace rolva {

struct Ver4Scene;

// How much of a data file a reader put into the scene.
enum class FileReadOutcome {
    NotRead,  // the file could not be opened or is of another kind: the scene is as it was
    Partly,   // the file broke off: what came before the break was applied
    Whole,    // every field was read and applied
};

FileReadOutcome ReadVer4File(const std::string& path);
// True when the whole file was written and put in place of any old one.
bool WriteVer4File(const std::string& path);
// The scene on screen as WriteVer4File stores it.
void SceneOnScreen(Ver4Scene* scene);
FileReadOutcome ReadVer3File(const std::string& path);
FileReadOutcome ReadDigitalVer3File(const std::string& path);

}  // namespace rolva
