// Control IDs of the LED look window ("LEDの表示").
#pragma once

namespace rolva {

constexpr int kLookPageTimeLabelId = 1301;
constexpr int kLookPageTimeEditId = 1302;  // seconds with one decimal
constexpr int kLookPageTimeUpDownId = 1303;
constexpr int kLookPageTimeUnitId = 1304;
constexpr int kLookSpeedLabelId = 1305;
constexpr int kLookSpeedEditId = 1306;  // pixels per second
constexpr int kLookSpeedUpDownId = 1307;
constexpr int kLookSpeedUnitId = 1308;
constexpr int kLookDotsId = 1309;  // the picture shown through the dot mask
constexpr int kLookPitchLabelId = 1310;
constexpr int kLookPitchEditId = 1311;
constexpr int kLookPitchUpDownId = 1312;
constexpr int kLookPitchUnitId = 1313;
constexpr int kLookRoundId = 1314;
constexpr int kLookSquareId = 1315;
constexpr int kLookGapColourId = 1316;  // opens the colour chooser
constexpr int kLookGapSwatchId = 1317;  // shows the colour between the dots
constexpr int kLookGlowId = 1318;
constexpr int kLookCloseId = 1319;

}  // namespace rolva
