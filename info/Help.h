// The help file beside the executable (its name with ".chm"), shown by the system's HTML Help
// viewer, and the program's web pages, opened in the user's browser. Neither reports failures.
#pragma once

#include <string>

namespace rolva {

constexpr int kWebSiteCount = 3;

// Site 1 the program's page, 2 the news page, 3 the makers' page.
const char* WebSiteAddress(int site);

// The help file's path: the executable's name with ".chm".
std::string HelpFilePath();

// Opens the help on its table of contents. The viewer is loaded on first use, so the program
// runs where HTML Help is missing.
void OpenHelp();

// Closes every help window this program opened (HH_CLOSE_ALL), before the program ends. Does
// nothing when the viewer was never loaded.
void CloseHelp();

void OpenWebSite(int site);

}  // namespace rolva
