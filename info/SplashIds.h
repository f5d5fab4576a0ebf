// Control IDs of the splash window.
#pragma once

namespace rolva {

constexpr int kSplashCreditStripId = 1002;  // sunken strip behind the two credit lines
constexpr int kSplashFirstCreditId = 1003;
constexpr int kSplashSecondCreditId = 1032;
constexpr int kSplashNoticeId = 1035;  // the redistribution notice
constexpr int kSplashFrameId = 1006;   // group box around everything

constexpr unsigned kSplashTimerId = 200;
constexpr unsigned kSplashMilliseconds = 5000;

}  // namespace rolva
