#include "app/WindowPlacement.h"

#include <windows.h>

#include <vector>

#include "app/Application.h"
#include "base/FileStreams.h"
#include "base/OwnFiles.h"
#include "base/core/WindowGeometry.h"
#include "document/FileDecoding.h"
#include "document/core/SettingsFile.h"

namespace rolva {

void LoadWindowPlacement()
{
    SettingsRecord record;
    ReadResult result;
    if (!DecodeFile(OwnFileToRead(".ini"), DecodeSettings, &record, &result))
        return;
    // In file order: each value read whole is applied, and the first one missing ends it.
    using Setter = void (TopLevelWindow::*)(int) const;
    const struct {
        const TopLevelWindow& window;
        Setter set;
        int value;
    } fields[] = {
        {gApp.formRecord, &TopLevelWindow::SetLeft, record.formLeft},
        {gApp.formRecord, &TopLevelWindow::SetTop, record.formTop},
        {gApp.formRecord, &TopLevelWindow::SetWidth, record.formWidth},
        {gApp.formRecord, &TopLevelWindow::SetHeight, record.formHeight},
        {gApp.panelRecord, &TopLevelWindow::SetLeft, record.panelLeft},
        {gApp.panelRecord, &TopLevelWindow::SetTop, record.panelTop},
    };
    for (int field = 0; field < result.fieldsRead && field < kSettingsFieldCount; ++field)
        (fields[field].window.*fields[field].set)(fields[field].value);
}

namespace {

// The monitor's work area and how far its top-left corner lies inside the monitor (a taskbar
// on the left or at the top).
MONITORINFO MonitorOf(const RECT& place)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

// The outer rectangle the window has when restored, in screen coordinates. A minimised window
// stands at (-32000, -32000) in a small size, so its restored place comes from its placement,
// whose coordinates (for a top-level window without WS_EX_TOOLWINDOW) count from the top-left
// of the monitor's work area rather than of the screen.
RECT RestoredRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if ((!IsIconic(window) && !IsZoomed(window)) || !GetWindowPlacement(window, &placement))
        return rect;
    RECT normal = placement.rcNormalPosition;
    if (!(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        const MONITORINFO monitor = MonitorOf(normal);
        OffsetRect(&normal, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return normal;
}

// A window whose rectangle lies on no monitor is moved into the work area of the nearest one.
void BringOntoMonitor(HWND window)
{
    RECT rect{};
    if (!window || !GetWindowRect(window, &rect) || MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return;
    const RECT area = MonitorOf(rect).rcWork;
    const ScreenPoint place = PlaceInsideArea({rect.left, rect.top, rect.right, rect.bottom},
                                              {area.left, area.top, area.right, area.bottom});
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void KeepWindowsOnScreen()
{
    BringOntoMonitor(gApp.formRecord.Handle());
    BringOntoMonitor(gApp.panelRecord.Handle());
}

void SaveWindowPlacement()
{
    const RECT form = RestoredRect(gApp.formRecord.Handle());
    const RECT panel = RestoredRect(gApp.panelRecord.Handle());
    SettingsRecord record;
    record.formLeft = form.left;
    record.formTop = form.top;
    record.formWidth = form.right - form.left;
    record.formHeight = form.bottom - form.top;
    record.panelLeft = panel.left;
    record.panelTop = panel.top;

    // Written whole or not at all, in the per-user folder where the executable's refuses it; the
    // end of the run tells where it went (ShowOwnFilesNotice).
    WriteOwnFile(".ini", [&record](const std::string& path) {
        return WriteUserFile(path, [&record](ByteSink& sink) {
            const WriteResult written = EncodeSettings(record, sink);
            return written.ok ? 0 : written.errorCode;
        });
    });
}

}  // namespace rolva
