// Control IDs of the control panel, per sign where a sign has its own.
#pragma once

namespace rolva {

constexpr int kNumberDisplayIds[2] = {1002, 1003};
constexpr int kSignGroupIds[2] = {1006, 1007};
constexpr int kDigitKeyFirstIds[2] = {1008, 1020};  // digit n is first + n
constexpr int kResetKeyIds[2] = {1018, 1031};       // 強
constexpr int kOnKeyIds[2] = {1019, 1030};
constexpr int kSpeedLabelIds[2] = {1032, 1038};
constexpr int kSpeedEditIds[2] = {1033, 1040};
constexpr int kSpeedUpDownIds[2] = {1034, 1041};
constexpr int kIntervalLabelIds[2] = {1035, 1039};
constexpr int kIntervalEditIds[2] = {1036, 1042};
constexpr int kIntervalUpDownIds[2] = {1037, 1043};
constexpr int kClearKeyIds[2] = {1044, 1045};    // C
constexpr int kForwardKeyIds[2] = {1046, 1048};  // 送
constexpr int kBackKeyIds[2] = {1047, 1049};     // 戻

constexpr int kSpeedMax = 1000;
constexpr int kIntervalMax = 5000;

// Outer widths of the panel: both columns, or the first sign's only.
constexpr int kPanelWidthBoth = 270;
constexpr int kPanelWidthFirstOnly = 138;

}  // namespace rolva
