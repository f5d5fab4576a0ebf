// The settings dialog: a modal NORMALDLG window ("設定") that edits the scene live.
#pragma once

#include <windows.h>

namespace rolva {

LRESULT CALLBACK SettingsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rolva
