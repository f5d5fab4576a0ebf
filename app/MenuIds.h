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

// Added later, after the first nine.
constexpr int kCommandSaveGif = 1098;      // ファイル > GIFで保存...
constexpr int kCommandSave = 1099;         // ファイル > 上書き保存
constexpr int kCommandRecentFirst = 1100;  // the recent files, newest first: 1100 to 1103
constexpr int kRecentSeparatorId = 1104;   // the separator under them (no command)
constexpr int kCommandMakeStrip = 1110;        // 設定 > 幕の作成 > 1つ目の方向幕...
constexpr int kCommandMakeStripSecond = 1111;  // 設定 > 幕の作成 > 2つ目の方向幕...
constexpr int kCommandSoundOn = 1120;            // 設定 > サウンド > 音を鳴らす (checked)
constexpr int kCommandSoundVolumeFirst = 1121;   // 設定 > サウンド > 音量 20% to 100%: 1121 to 1125
constexpr int kCommandSoundLedClick = 1126;      // 設定 > サウンド > LED風の幕でクリック音 (checked)
constexpr int kCommandSavePack = 1130;         // ファイル > パックで保存...

}  // namespace rolva
