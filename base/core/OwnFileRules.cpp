#include "base/core/OwnFileRules.h"

#include <algorithm>

namespace rolva {

OwnFilePlace CopyToRead(const OwnFileCopy& beside, const OwnFileCopy& perUser)
{
    if (!perUser.readable)
        return beside.readable ? OwnFilePlace::BesideExecutable : OwnFilePlace::Nowhere;
    if (!beside.readable || perUser.lastWrite > beside.lastWrite)
        return OwnFilePlace::PerUser;
    return OwnFilePlace::BesideExecutable;
}

OwnFilesNotice NoticeAtEnd(const std::vector<OwnFileWrite>& lastWrites, bool perUserRead)
{
    const auto any = [&lastWrites](OwnFileWrite write) {
        return std::find(lastWrites.begin(), lastWrites.end(), write) != lastWrites.end();
    };
    if (any(OwnFileWrite::Failed))
        return OwnFilesNotice::NotSaved;
    if (any(OwnFileWrite::PerUser) && !perUserRead)
        return OwnFilesNotice::KeptPerUser;
    return OwnFilesNotice::None;
}

}  // namespace rolva
