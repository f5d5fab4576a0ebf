// Long work on the UI thread (a clip, a folder of frames) tells how far it has got through this,
// so that whoever watches can keep the windows answering, show it and stop it.
#pragma once

#include <cstdint>

namespace rolva {

// Told how far the work has got; answers false to stop it.
class Progress {
public:
    virtual ~Progress() = default;
    virtual bool Continue(std::int64_t done, std::int64_t total) = 0;
};

}  // namespace rolva
