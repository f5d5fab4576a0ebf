// The File menu's recent files: the last four data files read whole or saved, numbered above
// 終了, kept beside the executable in a small file of their own (its name with ".recent"), so
// the 24-byte settings file keeps its layout; in the per-user folder where the executable's
// folder cannot be written (base/OwnFiles).
#pragma once

#include <string>

#include "app/core/RecentList.h"

namespace rolva {

// The file beside the executable that holds the list.
std::string RecentFilesPath();

// Reads the list from its file, beside the executable or per user (a missing or foreign file
// gives an empty list), and shows it in the File menu.
void LoadRecentFiles();

const RecentList& RecentFiles();

// Puts the path on top, writes the list's file and shows the list.
void AddRecentFile(const std::string& path);

// Whether the command ID is one of the recent-file items.
bool IsRecentFileCommand(int id);

// The recent-file item chosen: its file opens as with Open (nothing while a sign rolls); a file
// that no longer exists leaves the list, with a message saying so.
void OpenRecentFile(int id);

}  // namespace rolva
