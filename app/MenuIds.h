// Command IDs of the Form's menus.
#pragma once

namespace rolva {

constexpr int kCommandOpen = 1089;
constexpr int kCommandSaveAs = 1090;
constexpr int kCommandExit = 1091;
constexpr int kCommandSettings = 1092;
constexpr int kCommandHelpTopics = 1093;
constexpr int kCommandAbout = 1094;
constexpr int kCommandSiteApps = 1095;
constexpr int kCommandSiteMaker = 1096;
constexpr int kCommandSiteFictional = 1097;

// Added later, numbered apart from the first nine.
constexpr int kCommandSave = 1110;
constexpr int kCommandRecentFirst = 1111;  // the recent files, newest first: 1111 to 1114
constexpr int kRecentSeparatorId = 1115;   // the separator under them (no command)

}  // namespace rolva
