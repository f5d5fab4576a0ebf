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
constexpr int kCommandSaveGif = 1098;
constexpr int kCommandMakeStrip = 1110;  // 設定 > 幕の作成...

}  // namespace rolva
