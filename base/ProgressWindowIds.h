// Control IDs of the progress window (its cancel button is IDCANCEL).
#pragma once

namespace rolva {

constexpr int kProgressBarId = 1341;
constexpr int kProgressTextId = 1342;

}  // namespace rolva
