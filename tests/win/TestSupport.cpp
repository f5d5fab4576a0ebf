#include "TestSupport.h"

#include <gtest/gtest.h>

#include "app/Application.h"
#include "base/Handles.h"
#include "base/WindowText.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"

namespace rolva::test {

namespace {
std::string gFixtureFolder = "tests/fixtures";
}

void PumpMessages(int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // Wake as soon as anything arrives, such as a roll thread's window call.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs)
            return false;
        PumpMessages(1);
    }
    return true;
}

bool WaitUntil(const std::function<bool()>& done, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs)
            return false;
        Sleep(10);
    }
    return true;
}

bool WaitUntilIdle(DWORD limitMs)
{
    const bool idle = PumpUntil([] { return !IsRolling(0) && !IsRolling(1); }, limitMs);
    PumpMessages();  // the ended rolls' messages give the keys back
    return idle;
}

bool SignRegionContains(int sign, int x, int y)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool inside = GetWindowRgn(SignFrameHandle(sign), region) != ERROR && PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
}

RECT SignRegionBox(int sign)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(SignFrameHandle(sign), region);
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

void ClickArrow(HWND upDown, bool up)
{
    RECT rc{};
    GetClientRect(upDown, &rc);
    const LPARAM at = MAKELPARAM(rc.right / 2, up ? rc.bottom / 4 : rc.bottom * 3 / 4);
    SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(upDown, WM_LBUTTONUP, 0, at);
    PumpMessages(1);
}

testing::AssertionResult CentredOn(const RECT& screen, const RECT& box)
{
    const LONG left = box.left - screen.left, right = screen.right - box.right;
    const LONG top = box.top - screen.top, bottom = screen.bottom - box.bottom;
    const bool inside = left >= 0 && right >= 0 && top >= 0 && bottom >= 0;
    const bool across = right == left || right == left + 1;
    const bool down = bottom == top || bottom == top + 1;
    if (inside && across && down)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "margins left " << left << ", right " << right << ", top " << top
                                       << ", bottom " << bottom;
}

namespace {
RECT gStartupPanelPlace{};
}

void RememberStartupPlaces() { GetWindowRect(gApp.controlPanel, &gStartupPanelPlace); }

RECT StartupPanelPlace() { return gStartupPanelPlace; }

void SetFixtureFolder(const std::string& folder) { gFixtureFolder = folder; }

std::string FixturePath(const char* name) { return gFixtureFolder + "\\" + name; }

namespace {

// Wine answers GetGuiResources with 0. Its GDI handle values are small slot numbers with a
// generation in the high word, and a handle with a zero high word names whatever lives in that
// slot, so asking every slot for its object type counts the live objects.
DWORD CountLiveGdiSlots()
{
    DWORD count = 0;
    for (UINT_PTR slot = 1; slot <= 0xFFFF; ++slot) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0)
            ++count;
    }
    return count;
}

// Wine answers GetProcessHandleCount with TRUE and a count of 0. Kernel handle values are
// multiples of four from a table that fills from the lowest free entry, and GetHandleInformation
// accepts exactly the live ones, so probing the table up to a long run of free entries counts them.
DWORD CountLiveHandles()
{
    constexpr int kFreeRunAtTheEnd = 1024;
    DWORD count = 0;
    int freeRun = 0;
    for (UINT_PTR value = 4; freeRun < kFreeRunAtTheEnd; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            freeRun = 0;
        } else {
            ++freeRun;
        }
    }
    return count;
}

}  // namespace

std::string SettingsFileOfThisProgram()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder = exe;
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "win_tests.ini";
}

DWORD GdiObjectCount()
{
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return count != 0 ? count : CountLiveGdiSlots();
}

DWORD HandleCount()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0)
        return count;
    return CountLiveHandles();
}

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) { return WindowText(window); }

COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    WindowDc screen(nullptr);
    return GetPixel(screen.Get(), p.x, p.y);
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    WindowDc screen(nullptr);
    MemoryDc memory(screen.Get());
    ScopedSelect select(memory.Get(), bitmap);
    return GetPixel(memory.Get(), x, y);
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace rolva::test

namespace rolva::test {

namespace {

struct FindContext {
    DWORD process;
    HWND found;
};

BOOL CALLBACK MatchOwnDialog(HWND window, LPARAM context)
{
    FindContext& find = *reinterpret_cast<FindContext*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == find.process && IsWindowVisible(window) && ClassOf(window) == "#32770") {
        find.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindOwnDialog()
{
    FindContext find{GetCurrentProcessId(), nullptr};
    EnumWindows(MatchOwnDialog, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h) << path;
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadFileBytes(const std::string& path)
{
    std::string bytes;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

void RemoveTreeWide(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTreeWide(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

void WriteSolidBmp(const std::string& path, int width, int height, COLORREF colour)
{
    WriteColumnsBmp(path, width, height, [colour](int) { return colour; });
}

void WriteColumnsBmp(const std::string& path, int width, int height, const std::function<COLORREF(int)>& columnColour)
{
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(width * height * 4);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int i = 0; i < width * height; ++i) {
        const COLORREF colour = columnColour(i % width);
        const DWORD pixel = static_cast<DWORD>(GetRValue(colour)) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
        bytes.append(reinterpret_cast<const char*>(&pixel), 4);
    }
    WriteFileBytes(path, bytes);
}

std::string FreshTempFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name;
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

std::map<std::string, std::string> FolderContents(const std::string& folder)
{
    std::map<std::string, std::string> contents;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return contents;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            contents[found.cFileName] = ReadFileBytes(folder + "\\" + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return contents;
}

testing::AssertionResult FolderHolds(const std::string& folder, const std::map<std::string, std::string>& expected)
{
    const auto found = FolderContents(folder);
    std::string differing;
    for (const auto& [name, bytes] : expected) {
        const auto it = found.find(name);
        if (it == found.end())
            differing += " " + name + " (gone)";
        else if (it->second != bytes)
            differing += " " + name + " (changed)";
    }
    for (const auto& entry : found)
        if (!expected.count(entry.first))
            differing += " " + entry.first + " (new)";
    if (differing.empty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << folder << ":" << differing;
}

DialogAnswerer::DialogAnswerer(int button) : button_(button)
{
    InitializeCriticalSection(&lock_);
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

DialogAnswerer::~DialogAnswerer()
{
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(stop_);
    DeleteCriticalSection(&lock_);
    if (stuck_)
        ADD_FAILURE() << "a dialog stayed open after button " << button_ << " and had to be closed";
}

std::vector<DialogAnswerer::Seen> DialogAnswerer::SeenSoFar() const
{
    EnterCriticalSection(&lock_);
    std::vector<Seen> copy = seen_;
    LeaveCriticalSection(&lock_);
    return copy;
}

DWORD WINAPI DialogAnswerer::Run(LPVOID self)
{
    DialogAnswerer& me = *static_cast<DialogAnswerer*>(self);
    while (WaitForSingleObject(me.stop_, 20) == WAIT_TIMEOUT) {
        HWND dialog = FindOwnDialog();
        if (!dialog)
            continue;
        Seen seen;
        char text[1024] = {};
        GetWindowTextA(dialog, text, sizeof text);
        seen.caption = text;
        text[0] = '\0';
        // The message text of a message box is its static control 0xFFFF.
        GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
        seen.text = text;
        seen.owner = GetWindow(dialog, GW_OWNER);
        EnterCriticalSection(&me.lock_);
        me.seen_.push_back(seen);
        LeaveCriticalSection(&me.lock_);
        if (!me.Answer(dialog))
            me.stuck_ = true;
    }
    return 0;
}

bool DialogAnswerer::Answer(HWND dialog) const
{
    const auto gone = [dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); };
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
    if (WaitUntil(gone, 2000))
        return true;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (!WaitUntil(gone, 2000))
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    WaitUntil(gone, 2000);
    return false;
}

}  // namespace rolva::test
