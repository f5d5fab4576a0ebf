// The counters the leak tests rely on: a leak they are meant to show must move them.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include <vector>

namespace rolva {
namespace {

TEST(TestSupport, HandleCountFollowsHandlesOpenedAndClosed)
{
    const DWORD before = test::HandleCount();
    ASSERT_GT(before, 0u);
    std::vector<HANDLE> events;
    for (int i = 0; i < 20; ++i)
        events.push_back(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    EXPECT_EQ(before + 20, test::HandleCount());
    for (HANDLE event : events)
        CloseHandle(event);
    EXPECT_EQ(before, test::HandleCount());
}

TEST(TestSupport, GdiObjectCountFollowsObjectsMadeAndDeleted)
{
    const DWORD before = test::GdiObjectCount();
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 20; ++i)
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(before + 20, test::GdiObjectCount());
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    EXPECT_EQ(before, test::GdiObjectCount());
}

}  // namespace
}  // namespace rolva
