// No exception may escape a window procedure into the system's dispatch: each procedure hands
// its message to a plain dispatch function through this guard, and a step that failed (out of
// memory, say) leaves its window as it was.
#pragma once

#include <windows.h>

namespace rolva {

using MessageDispatch = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

inline LRESULT DispatchWithoutThrowing(MessageDispatch dispatch, HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept
{
    try {
        return dispatch(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

}  // namespace rolva
