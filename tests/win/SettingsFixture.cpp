#include "SettingsFixture.h"

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/NamedWindows.h"
#include "base/Handles.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "scene/DocumentApply.h"
#include "settings/SettingsIds.h"

namespace rolva::test {

SceneGuard::SceneGuard()
    : formWidth_(gApp.formRecord.Width()),
      formHeight_(gApp.formRecord.Height()),
      panelWidth_(gApp.panelRecord.Width()),
      formEnabled_(IsWindowEnabled(gApp.form) != FALSE),
      panelEnabled_(IsWindowEnabled(gApp.controlPanel) != FALSE),
      gdiplus_(gDocument.gdiplusAvailable),
      backgroundPath_(gDocument.backgroundPath),
      hadBackground_(static_cast<bool>(gDocument.backgroundBitmap))
{
    char folder[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    currentDirectory_ = folder;
    for (int i = 0; i < kSignCount; ++i) {
        const SignSlot& slot = gDocument.signs[i];
        signs_[i] = Sign{SignLeft(i),     SignTop(i),        SignWidth(i),           SignHeight(i),
                         SignVisible(i),  slot.kind,         slot.cornerRadius,      slot.manuscriptFrames,
                         slot.liveLook,   slot.picturePath, PanelText(kNumberDisplayIds[i]), static_cast<bool>(slot.pictureBitmap)};
    }
}

SceneGuard::~SceneGuard()
{
    gApp.formRecord.SetWidth(formWidth_);
    gApp.formRecord.SetHeight(formHeight_);
    for (int i = 0; i < kSignCount; ++i) {
        const Sign& s = signs_[i];
        SignSlot& slot = gDocument.signs[i];
        SetSignLeft(i, s.left);
        SetSignTop(i, s.top);
        SetSignWidth(i, s.width);
        SetSignHeight(i, s.height);
        slot.kind = s.kind;
        slot.cornerRadius = s.cornerRadius;
        slot.manuscriptFrames = s.manuscriptFrames;
        slot.liveLook = s.liveLook;
        slot.picturePath = s.picturePath;
        ApplySignRegion(i);
        ShowSign(i, s.visible);
        SetNumberDisplay(i, s.display);
        if (!s.hadPicture)
            ClearSignPicture(i);
        MoveSignPictureHome(i);
    }
    SetPanelOuterWidth(panelWidth_);
    gDocument.backgroundPath = backgroundPath_;
    if (!hadBackground_)
        gDocument.backgroundBitmap.Reset();
    gDocument.gdiplusAvailable = gdiplus_;
    SetCurrentDirectoryA(currentDirectory_.c_str());
    gApp.panelRecord.Enable(panelEnabled_ ? 1 : 0);
    EnableWindow(gApp.form, formEnabled_);
    InvalidateRect(gApp.form, nullptr, TRUE);
    PumpMessages();
}

void SettingsDialogTest::TearDown() { Close(); }

void SettingsDialogTest::Open(bool shown)
{
    dialog_ = CreateModalWindow(gApp.form, "Set");
    ASSERT_NE(nullptr, dialog_);
    if (shown) {
        ShowWindow(dialog_, SW_SHOW);
        UpdateWindow(dialog_);
    }
    EnableWindow(gApp.form, FALSE);
    PumpMessages();
}

void SettingsDialogTest::Close()
{
    if (IsWindow(dialog_))
        SendMessageA(dialog_, WM_CLOSE, 0, 0);
    dialog_ = nullptr;
    // Takes the WM_QUIT meant to end a modal loop, which this test did not run.
    PumpMessages();
}

std::string SettingsDialogTest::Text(int id) const { return TextOf(Item(id)); }

void SettingsDialogTest::Type(int id, const char* text) { SetWindowTextA(Item(id), text); }

void SettingsDialogTest::ClickArrow(int upDownId, bool up) { test::ClickArrow(Item(upDownId), up); }

void SettingsDialogTest::Click(int buttonId)
{
    SendMessageA(Item(buttonId), BM_CLICK, 0, 0);
    PumpMessages(1);
}

void SettingsDialogTest::ChooseKind(int sign, int index)
{
    HWND list = Item(kKindListIds[sign]);
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(kKindListIds[sign], CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    PumpMessages(1);
}

namespace {

// The text of the folder chooser's selected tree item.
std::string SelectedFolderName(HWND tree)
{
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    char text[MAX_PATH] = {};
    TVITEMA info{};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info)))
        return {};
    return text;
}

// Selects a folder in the chooser's tree, asking again until the tree has taken it: the tree
// fills itself while the chooser starts.
void SelectFolder(HWND chooser, const std::string& path)
{
    HWND tree = FindWindowExA(chooser, nullptr, WC_TREEVIEWA, nullptr);
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    for (int attempt = 0; attempt < 50; ++attempt) {
        SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        Sleep(100);
        if (lstrcmpiA(SelectedFolderName(tree).c_str(), name.c_str()) == 0)
            return;
    }
}

}  // namespace

ChooserDriver::ChooserDriver(std::string name) : name_(std::move(name))
{
    InitializeCriticalSection(&lock_);
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

ChooserDriver::~ChooserDriver()
{
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(stop_);
    DeleteCriticalSection(&lock_);
    if (stuck_)
        ADD_FAILURE() << "the chooser stayed open on \"" << name_ << "\" and was cancelled";
}

bool ChooserDriver::Answered() const
{
    EnterCriticalSection(&lock_);
    const bool answered = answered_;
    LeaveCriticalSection(&lock_);
    return answered;
}

bool ChooserDriver::WasFolderChooser() const
{
    EnterCriticalSection(&lock_);
    const bool folder = folder_;
    LeaveCriticalSection(&lock_);
    return folder;
}

std::string ChooserDriver::Caption() const
{
    EnterCriticalSection(&lock_);
    std::string caption = caption_;
    LeaveCriticalSection(&lock_);
    return caption;
}

std::vector<std::string> ChooserDriver::Types() const
{
    EnterCriticalSection(&lock_);
    std::vector<std::string> types = types_;
    LeaveCriticalSection(&lock_);
    return types;
}

void ChooserDriver::Answer(HWND chooser)
{
    const std::string caption = TextOf(chooser);
    HWND tree = FindWindowExA(chooser, nullptr, WC_TREEVIEWA, nullptr);
    const bool folder = tree != nullptr;
    // The chooser fills its lists after it first shows.
    WaitUntil([&] {
        return folder ? SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0) != 0
                      : SendMessageA(GetDlgItem(chooser, cmb1), CB_GETCOUNT, 0, 0) > 0;
    });
    std::vector<std::string> types;
    if (folder) {
        if (!name_.empty())
            SelectFolder(chooser, name_);
    } else {
        HWND typeList = GetDlgItem(chooser, cmb1);
        const LRESULT count = SendMessageA(typeList, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string type(static_cast<size_t>(SendMessageA(typeList, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
            SendMessageA(typeList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(type.data()));
            types.push_back(type.c_str());
        }
        HWND nameBox = GetDlgItem(chooser, cmb13);
        if (!nameBox)
            nameBox = GetDlgItem(chooser, edt1);
        if (!name_.empty())
            SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name_.c_str()));
    }
    Sleep(100);
    EnterCriticalSection(&lock_);
    answered_ = true;
    folder_ = folder;
    caption_ = caption;
    types_ = types;
    LeaveCriticalSection(&lock_);
    const int button = name_.empty() ? IDCANCEL : IDOK;
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(chooser, button)));
    // A chooser that stays (it refused the name) is cancelled, so the test fails instead of waiting.
    const auto gone = [chooser] { return !IsWindow(chooser) || !IsWindowVisible(chooser); };
    if (WaitUntil(gone))
        return;
    stuck_ = true;
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDCANCEL)));
    if (!WaitUntil(gone))
        PostMessageA(chooser, WM_CLOSE, 0, 0);
}

DWORD WINAPI ChooserDriver::Run(LPVOID self)
{
    ChooserDriver& me = *static_cast<ChooserDriver*>(self);
    while (WaitForSingleObject(me.stop_, 20) == WAIT_TIMEOUT) {
        if (HWND chooser = FindOwnDialog()) {
            me.Answer(chooser);
            return 0;
        }
    }
    return 0;
}

ModalScript* ModalScript::current_ = nullptr;

ModalScript::ModalScript(std::vector<std::function<void()>> steps) : steps_(std::move(steps))
{
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 50, Tick);
}

ModalScript::~ModalScript()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    current_ = nullptr;
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    static bool running = false;
    ModalScript* script = current_;
    // A step that opens a modal box of its own would otherwise see the next steps run inside it.
    if (!script || running)
        return;
    running = true;
    if (script->next_ < script->steps_.size()) {
        script->steps_[script->next_++]();
    } else {
        KillTimer(nullptr, script->timer_);
        script->timer_ = 0;
        if (IsWindow(gApp.settings))
            SendMessageA(gApp.settings, WM_CLOSE, 0, 0);
    }
    running = false;
}

bool Capture::Has(COLORREF colour) const
{
    return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
}

namespace {

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Capture FromRaw(int width, int height, const std::uint32_t* raw)
{
    Capture capture;
    capture.width = width;
    capture.height = height;
    capture.pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < capture.pixels.size(); ++i)
        capture.pixels[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    return capture;
}

}  // namespace

Capture CaptureClient(HWND window)
{
    RECT rc{};
    GetClientRect(window, &rc);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    WindowDc screen(nullptr);
    MemoryDc memory(screen.Get());
    BITMAPINFO info = TopDown32(rc.right, rc.bottom);
    void* bits = nullptr;
    BitmapHandle dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib)
        return {};
    {
        ScopedSelect select(memory.Get(), dib.Get());
        BitBlt(memory.Get(), 0, 0, rc.right, rc.bottom, screen.Get(), origin.x, origin.y, SRCCOPY);
    }
    GdiFlush();
    return FromRaw(rc.right, rc.bottom, static_cast<const std::uint32_t*>(bits));
}

Capture BitmapPixels(HBITMAP bitmap)
{
    const SIZE size = BitmapSize(bitmap);
    std::vector<std::uint32_t> raw(static_cast<size_t>(size.cx) * size.cy);
    BITMAPINFO info = TopDown32(size.cx, size.cy);
    WindowDc screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, size.cy, raw.data(), &info, DIB_RGB_COLORS);
    return FromRaw(size.cx, size.cy, raw.data());
}

}  // namespace rolva::test
