// The UI thread's COM apartment: single-threaded while the scope lasts, and given back at its end.
#include <gtest/gtest.h>

#include "base/Handles.h"

namespace rolva {
namespace {

struct Observed {
    bool ready = false;
    HRESULT multiThreadedInside = S_OK;   // asking for the other kind inside the scope
    HRESULT multiThreadedAfter = E_FAIL;  // the same once the scope has ended
};

DWORD WINAPI ObserveApartment(LPVOID param)
{
    Observed& seen = *static_cast<Observed*>(param);
    {
        ComApartment apartment;
        seen.ready = apartment.Ready();
        seen.multiThreadedInside = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(seen.multiThreadedInside))
            CoUninitialize();
    }
    seen.multiThreadedAfter = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(seen.multiThreadedAfter))
        CoUninitialize();
    return 0;
}

TEST(ComApartment, IsSingleThreadedForItsScopeAndUninitialisedAfter)
{
    Observed seen;
    HANDLE thread = CreateThread(nullptr, 0, ObserveApartment, &seen, 0, nullptr);  // a thread with no COM yet
    ASSERT_TRUE(thread);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_TRUE(seen.ready);
    EXPECT_EQ(RPC_E_CHANGED_MODE, seen.multiThreadedInside) << "the thread is an STA";
    EXPECT_EQ(S_OK, seen.multiThreadedAfter) << "nothing left initialised";
}

}  // namespace
}  // namespace rolva
