// The process's current folder, kept for one scope. The system's file and folder choosers move
// it to wherever the user browsed (the open dialog does so even with OFN_NOCHANGEDIR), and a
// current folder left inside a folder keeps Windows from renaming that folder or ejecting its
// drive; relative paths would also start resolving somewhere else.
#pragma once

#include <string>

namespace rolva {

class CurrentFolderKeeper {
public:
    CurrentFolderKeeper();
    ~CurrentFolderKeeper();  // puts the folder back when it was read
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

private:
    std::wstring folder_;  // as the system holds it, so no code-page round trip can spoil it
};

}  // namespace rolva
