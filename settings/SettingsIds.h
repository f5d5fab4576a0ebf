// Control IDs of the settings dialog, per sign where a sign has its own (index 0 the first
// sign, 1 the second).
#pragma once

namespace rolva {

// The Form row.
constexpr int kFormGroupId = 1006;
constexpr int kBackgroundLabelId = 1002;
constexpr int kBackgroundPathId = 1033;
constexpr int kBackgroundBrowseId = 1008;
constexpr int kBackgroundDeleteId = 1009;
constexpr int kFormWidthLabelId = 1003;
constexpr int kFormWidthEditId = 1036;
constexpr int kFormWidthUpDownId = 1034;
constexpr int kFormHeightLabelId = 1032;
constexpr int kFormHeightEditId = 1040;
constexpr int kFormHeightUpDownId = 1037;

// The two sign columns.
constexpr int kSignColumnIds[2] = {1007, 1050};
constexpr int kKindLabelIds[2] = {1035, 1061};
constexpr int kKindListIds[2] = {1051, 1062};
constexpr int kPictureLabelIds[2] = {1038, 1063};
constexpr int kPicturePathIds[2] = {1042, 1064};
constexpr int kPictureBrowseIds[2] = {1010, 1012};
constexpr int kPictureDeleteIds[2] = {1011, 1013};
constexpr int kLeftLabelIds[2] = {1039, 1065};
constexpr int kLeftEditIds[2] = {1052, 1066};
constexpr int kLeftUpDownIds[2] = {1041, 1067};
constexpr int kTopLabelIds[2] = {1053, 1068};
constexpr int kTopEditIds[2] = {1054, 1069};
constexpr int kTopUpDownIds[2] = {1043, 1070};
constexpr int kWidthLabelIds[2] = {1055, 1071};
constexpr int kWidthEditIds[2] = {1056, 1072};
constexpr int kWidthUpDownIds[2] = {1057, 1073};
constexpr int kHeightLabelIds[2] = {1058, 1074};
constexpr int kHeightEditIds[2] = {1059, 1075};
constexpr int kHeightUpDownIds[2] = {1060, 1076};
constexpr int kFramesLabelIds[2] = {1077, 1080};
constexpr int kFramesEditIds[2] = {1078, 1081};
constexpr int kFramesUpDownIds[2] = {1079, 1082};
constexpr int kCornerLabelIds[2] = {1083, 1086};
constexpr int kCornerEditIds[2] = {1084, 1087};
constexpr int kCornerUpDownIds[2] = {1085, 1088};
constexpr int kCopyTemplateIds[2] = {1014, 1015};
constexpr int kMakeStripIds[2] = {1111, 1112};  // "幕の作成..." above each "原稿をコピー"
constexpr int kLedLookIds[2] = {1113, 1114};    // "LEDの表示...", for an LED-style sign only

// The bottom row.
constexpr int kCloseId = 1016;
constexpr int kHelpId = 1017;

}  // namespace rolva
