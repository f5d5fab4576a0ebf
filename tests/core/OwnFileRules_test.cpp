#include "base/core/OwnFileRules.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

TEST(CopyToRead, TakesTheCopyThatOpensAndOfTwoTheOneWrittenLast)
{
    using P = OwnFilePlace;
    const struct {
        OwnFileCopy beside;
        OwnFileCopy perUser;
        OwnFilePlace read;
    } cases[] = {
        {{false, 0}, {false, 0}, P::Nowhere},
        {{true, 50}, {false, 0}, P::BesideExecutable},
        {{false, 0}, {true, 50}, P::PerUser},
        {{false, 90}, {true, 50}, P::PerUser},  // beside but unreadable: its time does not count
        {{true, 50}, {false, 90}, P::BesideExecutable},
        {{true, 50}, {true, 90}, P::PerUser},  // kept per user after the beside copy was written
        {{true, 90}, {true, 50}, P::BesideExecutable},
        {{true, 70}, {true, 70}, P::BesideExecutable},  // a tie goes to the first place
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "beside " << c.beside.readable << "@" << c.beside.lastWrite << ", per user "
                                        << c.perUser.readable << "@" << c.perUser.lastWrite);
        EXPECT_EQ(c.read, CopyToRead(c.beside, c.perUser));
    }
}

TEST(NoticeAtEnd, TellsALostFileAlwaysAndAMoveOnlyWhenTheRunDidNotReadFromThere)
{
    using W = OwnFileWrite;
    using N = OwnFilesNotice;
    const struct {
        std::vector<OwnFileWrite> writes;
        bool perUserRead;
        OwnFilesNotice notice;
    } cases[] = {
        {{}, false, N::None},
        {{W::NotWritten, W::NotWritten}, false, N::None},
        {{W::BesideExecutable, W::BesideExecutable}, false, N::None},
        {{W::BesideExecutable, W::NotWritten}, true, N::None},
        {{W::PerUser, W::NotWritten}, false, N::KeptPerUser},
        {{W::BesideExecutable, W::PerUser}, false, N::KeptPerUser},
        {{W::PerUser, W::PerUser}, true, N::None},  // known since the start read it from there
        {{W::PerUser, W::Failed}, false, N::NotSaved},
        {{W::Failed, W::NotWritten}, true, N::NotSaved},  // a loss is news every time
        {{W::BesideExecutable, W::Failed}, false, N::NotSaved},
    };
    for (const auto& c : cases) {
        testing::Message trace;
        for (OwnFileWrite w : c.writes)
            trace << static_cast<int>(w) << " ";
        SCOPED_TRACE(trace << (c.perUserRead ? "read per user" : ""));
        EXPECT_EQ(c.notice, NoticeAtEnd(c.writes, c.perUserRead));
    }
}

}  // namespace
}  // namespace rolva
