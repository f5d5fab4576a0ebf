#include "SharedState.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/RecentFiles.h"
#include "display/LedSign.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "scene/DocumentApply.h"
#include "scene/SceneFile.h"

namespace rolva::test {

namespace {

const std::string kPanelControl = "panel control ";

SharedState gStartState;  // what start-up left; what could not be put back becomes part of it

std::string Flag(bool on) { return on ? "yes" : "no"; }

std::string HandleText(const void* handle)
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", handle);
    return text;
}

std::uintptr_t HandleValue(const std::string& text) { return std::strtoull(text.c_str(), nullptr, 16); }

std::string SignName(int sign, const char* what) { return "sign " + std::to_string(sign + 1) + " " + what; }

std::string FileState(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return "absent";
    return "present, " + std::to_string(data.nFileSizeLow) + " bytes";
}

void AddWindowPlace(SharedState& state, const std::string& name, HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    state[name + " left"] = std::to_string(outer.left);
    state[name + " top"] = std::to_string(outer.top);
    state[name + " width"] = std::to_string(outer.right - outer.left);
    state[name + " height"] = std::to_string(outer.bottom - outer.top);
    state[name + " shown"] = Flag(IsWindowVisible(window));
    state[name + " minimised"] = Flag(IsIconic(window));
    state[name + " maximised"] = Flag(IsZoomed(window));
    state[name + " enabled"] = Flag(IsWindowEnabled(window));
    state[name + " text"] = TextOf(window);
}

// Each item's text and state, submenus in brackets.
std::string MenuText(HMENU menu)
{
    std::string text;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_STATE | MIIM_SUBMENU | MIIM_ID | MIIM_FTYPE;
        GetMenuItemInfoA(menu, i, TRUE, &item);  // the label's length first
        std::string label(item.cch + 1, '\0');
        item.dwTypeData = label.data();
        item.cch = static_cast<UINT>(label.size());
        GetMenuItemInfoA(menu, i, TRUE, &item);
        text += std::to_string(item.wID) + ":" + label.c_str();
        if (item.fType & MFT_SEPARATOR)
            text += "(separator)";
        if (item.fState & MFS_GRAYED)
            text += "(grey)";
        if (item.fState & MFS_CHECKED)
            text += "(checked)";
        if (item.hSubMenu)
            text += "[" + MenuText(item.hSubMenu) + "]";
        text += "|";
    }
    return text;
}

BOOL CALLBACK AddPanelControl(HWND control, LPARAM stateAddress)
{
    SharedState& state = *reinterpret_cast<SharedState*>(stateAddress);
    const std::string name = kPanelControl + std::to_string(GetDlgCtrlID(control));
    state[name + " text"] = TextOf(control);
    state[name + " enabled"] = Flag(IsWindowEnabled(control));
    state[name + " shown"] = Flag(IsWindowVisible(control));
    if (ClassOf(control) == UPDOWN_CLASSA)
        state[name + " position"] = std::to_string(static_cast<int>(SendMessageA(control, UDM_GETPOS32, 0, 0)));
    return TRUE;
}

// Top-level windows of this program's classes on this thread besides the Form and the panel,
// shown or hidden: a window a test left behind, such as a box nobody answered. Windows of other
// threads are left out: asking them for their text could wait on a thread that does not pump.
bool IsLeftBehind(HWND window)
{
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() || window == gApp.form ||
        window == gApp.controlPanel)
        return false;
    const std::string windowClass = ClassOf(window);
    return windowClass == "#32770" || windowClass == kDialogClass || windowClass == kFormClass;
}

BOOL CALLBACK AddLeftBehind(HWND window, LPARAM listAddress)
{
    if (IsLeftBehind(window)) {
        std::string& list = *reinterpret_cast<std::string*>(listAddress);
        list += ClassOf(window) + " \"" + TextOf(window) + (IsWindowVisible(window) ? "\"; " : "\" hidden; ");
    }
    return TRUE;
}

BOOL CALLBACK DestroyLeftBehind(HWND window, LPARAM)
{
    if (IsLeftBehind(window))
        DestroyWindow(window);
    return TRUE;
}

void AddSign(SharedState& state, int sign)
{
    const SignSlot& slot = gDocument.signs[sign];
    state[SignName(sign, "left")] = std::to_string(SignLeft(sign));
    state[SignName(sign, "top")] = std::to_string(SignTop(sign));
    state[SignName(sign, "width")] = std::to_string(SignWidth(sign));
    state[SignName(sign, "height")] = std::to_string(SignHeight(sign));
    state[SignName(sign, "visible")] = std::to_string(SignVisible(sign));
    state[SignName(sign, "frame shown")] = Flag(IsWindowVisible(SignFrameHandle(sign)));
    const RECT box = SignRegionBox(sign);
    state[SignName(sign, "region")] = std::to_string(box.left) + "," + std::to_string(box.top) + "," +
                                      std::to_string(box.right) + "," + std::to_string(box.bottom);
    state[SignName(sign, "kind")] = std::to_string(slot.kind);
    state[SignName(sign, "speed")] = std::to_string(slot.speed);
    state[SignName(sign, "interval")] = std::to_string(slot.interval);
    state[SignName(sign, "corner radius")] = std::to_string(slot.cornerRadius);
    state[SignName(sign, "picture path")] = slot.picturePath;
    state[SignName(sign, "manuscript frames")] = std::to_string(slot.manuscriptFrames);
    state[SignName(sign, "current frame")] = std::to_string(slot.currentFrame);
    state[SignName(sign, "target frame")] = std::to_string(slot.targetFrame);
    state[SignName(sign, "scroll offset")] = std::to_string(slot.scrollOffset);
    state[SignName(sign, "keypad entry")] = slot.keypadEntry;
    state[SignName(sign, "rolling")] = Flag(IsRolling(sign));
    const SIZE picture = slot.pictureBitmap ? BitmapSize(slot.pictureBitmap.Get()) : SIZE{0, 0};
    state[SignName(sign, "picture size")] = std::to_string(picture.cx) + "x" + std::to_string(picture.cy);
    state[SignName(sign, "picture")] =
        HandleText(slot.pictureBitmap.Get()) + ", shown " +
        HandleText(reinterpret_cast<HANDLE>(SendMessageA(SignPictureHandle(sign), STM_GETIMAGE, IMAGE_BITMAP, 0)));
    RECT control{};
    GetWindowRect(SignPictureHandle(sign), &control);
    POINT corner{control.left, control.top};
    ScreenToClient(SignFrameHandle(sign), &corner);
    state[SignName(sign, "picture top")] = std::to_string(corner.y);
    state[SignName(sign, "watched folder")] = WatchedLedFolder(sign);
}

int Number(const SharedState& state, const std::string& name) { return std::atoi(state.at(name).c_str()); }

bool Yes(const SharedState& state, const std::string& name) { return state.at(name) == "yes"; }

// The start state beside the state now, to put back only what differs.
struct Restore {
    const SharedState& start;
    const SharedState& now;
    bool Differs(const std::string& name) const
    {
        const auto before = start.find(name), after = now.find(name);
        return before == start.end() || after == now.end() || before->second != after->second;
    }
    bool AnyDiffers(const std::string& prefix) const
    {
        for (auto it = start.lower_bound(prefix); it != start.end() && it->first.rfind(prefix, 0) == 0; ++it) {
            if (Differs(it->first))
                return true;
        }
        return false;
    }
};

void PutWindowBack(const Restore& r, const std::string& name, HWND window)
{
    if (IsIconic(window) || IsZoomed(window))
        ShowWindow(window, SW_RESTORE);
    if (r.Differs(name + " left") || r.Differs(name + " top") || r.Differs(name + " width") ||
        r.Differs(name + " height")) {
        SetWindowPos(window, nullptr, Number(r.start, name + " left"), Number(r.start, name + " top"),
                     Number(r.start, name + " width"), Number(r.start, name + " height"),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (r.Differs(name + " shown"))
        ShowWindow(window, Yes(r.start, name + " shown") ? SW_SHOWNA : SW_HIDE);
    if (r.Differs(name + " text"))
        SetWindowTextA(window, r.start.at(name + " text").c_str());
    if (r.Differs(name + " enabled"))
        EnableWindow(window, Yes(r.start, name + " enabled"));
}

void PutSignBack(const Restore& r, int sign)
{
    if (!r.AnyDiffers(SignName(sign, "")))
        return;
    const SharedState& start = r.start;
    StopRoll(sign);
    SignSlot& slot = gDocument.signs[sign];
    slot.kind = static_cast<std::uint8_t>(Number(start, SignName(sign, "kind")));
    slot.speed = Number(start, SignName(sign, "speed"));
    slot.interval = Number(start, SignName(sign, "interval"));
    slot.cornerRadius = Number(start, SignName(sign, "corner radius"));
    slot.picturePath = start.at(SignName(sign, "picture path"));
    slot.manuscriptFrames = static_cast<std::int16_t>(Number(start, SignName(sign, "manuscript frames")));
    slot.currentFrame = static_cast<std::int16_t>(Number(start, SignName(sign, "current frame")));
    slot.targetFrame = Number(start, SignName(sign, "target frame"));
    slot.scrollOffset = Number(start, SignName(sign, "scroll offset"));
    slot.keypadEntry = start.at(SignName(sign, "keypad entry"));
    SetSignLeft(sign, Number(start, SignName(sign, "left")));
    SetSignTop(sign, Number(start, SignName(sign, "top")));
    SetSignWidth(sign, Number(start, SignName(sign, "width")));
    SetSignHeight(sign, Number(start, SignName(sign, "height")));
    ApplySignRegion(sign);
    ShowSign(sign, Number(start, SignName(sign, "visible")));
    if (r.Differs(SignName(sign, "picture"))) {
        if (start.at(SignName(sign, "picture size")) == "0x0")
            ClearSignPicture(sign);
        else
            ReloadSignStrip(sign);
    }
    MoveSignPictureHome(sign);
}

// The panel's fields before the signs: a field's change notice writes into the sign's slot,
// which the sign's own values then overwrite.
void PutPanelBack(const Restore& r)
{
    for (auto it = r.start.lower_bound(kPanelControl);
         it != r.start.end() && it->first.rfind(kPanelControl, 0) == 0; ++it) {
        const std::string& name = it->first;
        if (!r.Differs(name))
            continue;
        const size_t idEnd = name.find(' ', kPanelControl.size());
        HWND control = PanelControl(std::atoi(name.substr(kPanelControl.size()).c_str()));
        const std::string what = name.substr(idEnd + 1);
        if (what == "text")
            SetWindowTextA(control, it->second.c_str());
        else if (what == "enabled")
            EnableWindow(control, it->second == "yes");
        else if (what == "shown")
            ShowWindow(control, it->second == "yes" ? SW_SHOWNA : SW_HIDE);
        else if (what == "position")
            SendMessageA(control, UDM_SETPOS32, 0, std::atoi(it->second.c_str()));
    }
}

}  // namespace

SharedState TakeSharedState()
{
    SharedState state;
    AddWindowPlace(state, "Form", gApp.form);
    AddWindowPlace(state, "panel window", gApp.controlPanel);
    state["Form menu"] = MenuText(GetMenu(gApp.form));
    state["Form procedure"] = HandleText(reinterpret_cast<void*>(GetWindowLongPtrA(gApp.form, GWLP_WNDPROC)));
    state["panel record enabled"] = std::to_string(gApp.panelRecord.Enabled());
    EnumChildWindows(gApp.controlPanel, AddPanelControl, reinterpret_cast<LPARAM>(&state));
    std::string others;
    EnumWindows(AddLeftBehind, reinterpret_cast<LPARAM>(&others));
    state["other windows"] = others;
    state["About open"] = Flag(gApp.about != nullptr);
    state["settings open"] = Flag(gApp.settings != nullptr);
    state["strip maker open"] = Flag(gApp.maker != nullptr);
    state["splash open"] = Flag(gApp.splash != nullptr);
    state["mouse captured"] = Flag(GetCapture() != nullptr);
    MSG quit;
    state["quit waiting"] = Flag(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE);
    for (int sign = 0; sign < kSignCount; ++sign)
        AddSign(state, sign);
    state["background path"] = gDocument.backgroundPath;
    state["background loaded"] = Flag(static_cast<bool>(gDocument.backgroundBitmap));
    state["GDI+ available"] = std::to_string(gDocument.gdiplusAvailable);
    state["scene folder"] = gDocument.sceneFolder;
    state["scene file"] = SceneFilePath();
    state["settings file"] = FileState(SettingsFileOfThisProgram());
    state["recent files file"] = FileState(RecentFilesPath());
    char folder[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    state["current folder"] = folder;
    return state;
}

std::vector<std::string> Differences(const SharedState& start, const SharedState& now)
{
    std::vector<std::string> lines;
    for (const auto& [name, value] : now) {
        const auto before = start.find(name);
        const std::string was = before == start.end() ? "(none)" : before->second;
        if (was != value)
            lines.push_back(name + ": \"" + was + "\" at start, \"" + value + "\" now");
    }
    for (const auto& [name, value] : start) {
        if (!now.count(name))
            lines.push_back(name + ": \"" + value + "\" at start, gone now");
    }
    return lines;
}

void PutSharedStateBack(const SharedState& start)
{
    DialogAnswerer strayBoxes(IDCANCEL);
    ReleaseCapture();
    bool closed = false;
    for (HWND* window : {&gApp.maker, &gApp.settings, &gApp.about, &gApp.splash}) {
        if (IsWindow(*window)) {
            SendMessageA(*window, WM_CLOSE, 0, 0);
            closed = true;
        }
    }
    // Also takes a WM_QUIT meant for a modal loop the test did not run.
    PumpMessages(closed ? 3 : 1);
    if (start.at("other windows").empty())
        EnumWindows(DestroyLeftBehind, 0);
    for (HWND* window : {&gApp.maker, &gApp.settings, &gApp.about, &gApp.splash}) {
        if (*window && !IsWindow(*window))
            *window = nullptr;
    }
    const SharedState now = TakeSharedState();
    if (now != start) {
        const Restore r{start, now};
        if (r.Differs("Form procedure"))
            SetWindowLongPtrA(gApp.form, GWLP_WNDPROC, static_cast<LONG_PTR>(HandleValue(start.at("Form procedure"))));
        PutWindowBack(r, "Form", gApp.form);
        PutWindowBack(r, "panel window", gApp.controlPanel);
        PutPanelBack(r);
        for (int sign = 0; sign < kSignCount; ++sign)
            PutSignBack(r, sign);
        ReleaseLedFolderWatches();
        if (r.Differs("background path") || r.Differs("background loaded")) {
            gDocument.backgroundPath = start.at("background path");
            if (Yes(start, "background loaded"))
                ReloadBackground();
            else
                gDocument.backgroundBitmap.Reset();
        }
        gDocument.gdiplusAvailable = Number(start, "GDI+ available");
        gDocument.sceneFolder = start.at("scene folder");
        if (start.at("scene file").empty())
            NoteSceneRead("", FileReadOutcome::Partly);
        if (start.at("settings file") == "absent")
            DeleteFileA(SettingsFileOfThisProgram().c_str());
        if (r.Differs("recent files file") || r.Differs("Form menu")) {
            if (start.at("recent files file") == "absent")
                DeleteFileA(RecentFilesPath().c_str());
            LoadRecentFiles();
        }
        SetCurrentDirectoryA(start.at("current folder").c_str());
        gApp.panelRecord.Enable(Number(start, "panel record enabled"));
        InvalidateRect(gApp.form, nullptr, TRUE);
        PumpMessages(1);
    }
    for (const DialogAnswerer::Seen& box : strayBoxes.SeenSoFar())
        ADD_FAILURE() << "a box opened while the scene was put back, and was cancelled: \"" << box.caption << "\" "
                      << box.text;
}

void RememberStartState() { gStartState = TakeSharedState(); }

const SharedState& StartState() { return gStartState; }

void SharedStateListener::OnTestEnd(const testing::TestInfo& test)
{
    const std::vector<std::string> left = Differences(gStartState, TakeSharedState());
    if (left.empty())
        return;
    std::string list;
    for (const std::string& line : left)
        list += "\n  " + line;
    ADD_FAILURE() << test.test_suite_name() << "." << test.name()
                  << " left the shared scene changed (a fixture puts back what its tests change):" << list;
    PutSharedStateBack(gStartState);
    const SharedState now = TakeSharedState();
    for (const std::string& line : Differences(gStartState, now))
        ADD_FAILURE() << "could not put back " << line << "; later tests are checked against it as it is now";
    gStartState = now;
}

}  // namespace rolva::test
