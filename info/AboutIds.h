// Control IDs of the About window.
#pragma once

namespace rolva {

constexpr int kAboutBannerId = 1000;
constexpr int kAboutIconId = 1001;
constexpr int kAboutPanelId = 1002;  // sunken panel under the banner
constexpr int kAboutPlanningCreditId = 1003;
constexpr int kAboutProductionCreditId = 1032;
constexpr int kAboutGdiplusLineId = 1035;
constexpr int kAboutOkId = 1008;
constexpr int kAboutAppSiteId = 1009;    // web site 1
constexpr int kAboutMakerSiteId = 1010;  // web site 3
constexpr int kAboutInfoSiteId = 1011;   // web site 2

}  // namespace rolva
