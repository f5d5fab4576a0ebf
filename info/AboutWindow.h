// The About window: a modal NORMALDLG window ("Rolvaのバージョン情報").
#pragma once

#include <windows.h>

namespace rolva {

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rolva
