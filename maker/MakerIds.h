// Control IDs of the strip maker dialog ("幕の作成").
#pragma once

namespace rolva {

constexpr int kMakerListLabelId = 1201;
constexpr int kMakerListId = 1202;  // the frame list, one frame per line
constexpr int kMakerPreviewLabelId = 1203;
constexpr int kMakerPreviewId = 1204;
constexpr int kMakerFaceLabelId = 1205;
constexpr int kMakerFaceListId = 1206;
constexpr int kMakerBoldId = 1207;
constexpr int kMakerFrameLineId = 1208;
constexpr int kMakerTextColourId = 1209;
constexpr int kMakerBackColourId = 1210;
constexpr int kMakerLedLabelId = 1211;
constexpr int kMakerLedListId = 1212;
constexpr int kMakerPitchLabelId = 1213;
constexpr int kMakerPitchEditId = 1214;
constexpr int kMakerLabelsLabelId = 1215;
constexpr int kMakerLabelsId = 1216;  // the label colours, "label=RRGGBB" per line
constexpr int kMakerOutputLabelId = 1217;
constexpr int kMakerOutputPathId = 1218;
constexpr int kMakerOutputBrowseId = 1219;
constexpr int kMakerWriteId = 1220;  // "作成": draws, writes and gives the sign the result
constexpr int kMakerCloseId = 1221;

}  // namespace rolva
