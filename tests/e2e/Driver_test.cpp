// End-to-end runs of the real program, driven from this process by window messages: start-up
// places, the settings file (and its per-user place when the program's folder refuses it), a
// roll from the keypad, the confirmed exit, and the data file named on the command line.
#include <windows.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "tests/core/PackTestZips.h"

namespace {

std::string gExe;  // the Rolva.exe under test

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT OuterRect(HWND window)
{
    RECT rc{};
    GetWindowRect(window, &rc);
    return rc;
}

struct Search {
    DWORD process;
    const char* className;
    const char* text;  // nullptr: any
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    Search& search = *reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window) || ClassOf(window) != search.className)
        return TRUE;
    if (search.text) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        if (std::strcmp(text, search.text) != 0)
            return TRUE;
    }
    search.found = window;
    return FALSE;
}

// True once the window is as asked (enabled, minimised, ...); false after five seconds.
bool WaitUntilWindow(HWND window, BOOL(WINAPI* is)(HWND), bool wanted)
{
    for (int i = 0; i < 100; ++i) {
        if ((is(window) != FALSE) == wanted)
            return true;
        Sleep(50);
    }
    return false;
}

// A copy of the program in a folder of its own, so its settings file is the test's alone.
class Program {
public:
    Program()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-e2e";
        CreateDirectoryA(folder_.c_str(), nullptr);
        exe_ = folder_ + "\\Rolva.exe";
        CopyFileA(gExe.c_str(), exe_.c_str(), FALSE);
    }
    ~Program()
    {
        Kill();
        for (auto file = files_.rbegin(); file != files_.rend(); ++file) {
            if (!DeleteFileA(file->c_str()))
                RemoveDirectoryA(file->c_str());
        }
        DeleteFileA(exe_.c_str());
        SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);  // a test may make it read-only
        DeleteFileA(IniPath().c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string IniPath() const { return folder_ + "\\Rolva.ini"; }

    // A file in a sub-folder of the program's folder, removed with the program; gives its path.
    std::string AddFile(const std::string& subFolder, const std::string& name, const std::vector<char>& bytes)
    {
        const std::string folder = folder_ + "\\" + subFolder;
        if (CreateDirectoryA(folder.c_str(), nullptr))
            files_.push_back(folder);
        const std::string path = folder + "\\" + name;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD put = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
        CloseHandle(file);
        files_.push_back(path);
        return path;
    }

    enum class Splash { Close, Keep };

    // Starts the program with the argument text and waits for its Form and panel. The splash
    // keeps both disabled for five seconds; unless kept, it is closed and waited for.
    void Start(const std::string& arguments = "", Splash splash = Splash::Close)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + exe_ + "\"";
        if (!arguments.empty())
            command += " " + arguments;
        ASSERT_TRUE(CreateProcessA(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder_.c_str(), &startup, &process_));
        CloseHandle(process_.hThread);
        form_ = WaitForWindow("NORMAL0", "RolvaVer4");
        panel_ = WaitForWindow("NORMALDLG", "ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ");
        splash_ = WaitForWindow("NORMALDLG", "");
        if (splash == Splash::Close && splash_) {
            PostMessageA(splash_, WM_CLOSE, 0, 0);
            WaitForSplashToGo();
        }
    }

    // True once the splash no longer shows and the program is back in its message loop; the
    // command-line file is read while the splash is destroyed, so by then it has been read.
    bool WaitForSplashToGo(DWORD limitMs = 15000) const
    {
        const DWORD start = GetTickCount();
        while (WaitForWindow("NORMALDLG", "", 0)) {
            if (GetTickCount() - start >= limitMs)
                return false;
            Sleep(50);
        }
        return SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_NORMAL, limitMs, nullptr) != 0;
    }

    // Looks at least once, also with no time to wait.
    HWND WaitForWindow(const char* className, const char* text, DWORD limitMs = 15000) const
    {
        const DWORD start = GetTickCount();
        for (;;) {
            Search search{process_.dwProcessId, className, text, nullptr};
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            if (GetTickCount() - start >= limitMs)
                return nullptr;
            Sleep(50);
        }
    }

    // Presses a button of the next message box the program shows; gives its caption.
    std::string AnswerMessageBox(int button) const
    {
        HWND box = WaitForWindow("#32770", nullptr);
        if (!box)
            return "";
        char caption[128] = {};
        GetWindowTextA(box, caption, sizeof caption);
        SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
        return caption;
    }

    // The exit code once the program has ended, or STILL_ACTIVE after the limit.
    DWORD WaitForExit(DWORD limitMs = 15000)
    {
        WaitForSingleObject(process_.hProcess, limitMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    void Kill()
    {
        if (!process_.hProcess)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        process_.hProcess = nullptr;
    }

    DWORD ProcessId() const { return process_.dwProcessId; }
    HWND Form() const { return form_; }
    HWND Panel() const { return panel_; }
    HWND SplashWindow() const { return splash_; }

private:
    std::string folder_;
    std::string exe_;
    std::vector<std::string> files_;  // added files and folders, in the order made
    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
    HWND panel_ = nullptr;
    HWND splash_ = nullptr;
};

std::vector<int> ReadInts(const std::string& path)
{
    std::vector<int> values;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return values;
    int value = 0;
    DWORD got = 0;
    while (ReadFile(file, &value, 4, &got, nullptr) && got == 4)
        values.push_back(value);
    CloseHandle(file);
    return values;
}

// A Ver4 scene with both signs at their start places and no pictures; opening it shows only as
// the Form's outer size.
std::vector<char> Ver4Scene(int formWidth, int formHeight, char secondKind = 0)
{
    std::vector<char> bytes;
    auto int32 = [&bytes](int value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>(static_cast<unsigned>(value) >> shift));
    };
    auto text = [&](const std::string& value) {
        int32(static_cast<int>(value.size()));
        bytes.insert(bytes.end(), value.begin(), value.end());
    };
    text("Rolva4DataFile");
    text("");
    int32(formWidth);
    int32(formHeight);
    for (int left : {77, 231}) {
        bytes.push_back(left == 77 ? 0 : secondKind);  // a roll sign, the second as asked
        for (int value : {left, 26, 123, 57, 0, 0, 0})  // place, size, speed, interval, corner radius
            int32(value);
        text("");
    }
    return bytes;
}

SIZE OuterSize(HWND window)
{
    const RECT rc = OuterRect(window);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

// The threads a process runs now.
std::vector<DWORD> ThreadsOf(DWORD process)
{
    std::vector<DWORD> threads;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return threads;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == process)
            threads.push_back(entry.th32ThreadID);
    }
    CloseHandle(snapshot);
    return threads;
}

ULONGLONG Ticks(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void WriteInts(const std::string& path, const std::vector<int>& values)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    WriteFile(file, values.data(), static_cast<DWORD>(values.size() * 4), &put, nullptr);
    CloseHandle(file);
}

TEST(Program, FirstStartPlacesTheWindowsAndCloseWithYesSavesThemAndExitsWithZero)
{
    Program program;
    program.Start();
    ASSERT_TRUE(program.Form());
    ASSERT_TRUE(program.Panel());
    const RECT form = OuterRect(program.Form());
    EXPECT_EQ(450, form.right - form.left);
    EXPECT_EQ(450, form.bottom - form.top);
    const RECT panel = OuterRect(program.Panel());
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    EXPECT_EQ((screen.right - (panel.right - panel.left)) / 2, panel.left);
    EXPECT_EQ((screen.bottom - (panel.bottom - panel.top)) / 2, panel.top);

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
    const std::vector<int> saved = ReadInts(program.IniPath());
    const std::vector<int> expected = {form.left, form.top, 450, 450, panel.left, panel.top};
    EXPECT_EQ(expected, saved);
}

TEST(Program, SavedPlacesComeBackAndNoKeepsTheProgramRunning)
{
    Program program;
    WriteInts(program.IniPath(), {40, 30, 500, 420, 600, 200});
    program.Start();
    ASSERT_TRUE(program.Form());
    const RECT form = OuterRect(program.Form());
    EXPECT_EQ(40, form.left);
    EXPECT_EQ(30, form.top);
    EXPECT_EQ(500, form.right - form.left);
    EXPECT_EQ(420, form.bottom - form.top);
    const RECT panel = OuterRect(program.Panel());
    EXPECT_EQ(600, panel.left);
    EXPECT_EQ(200, panel.top);

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDNO));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), program.WaitForExit(500));
    EXPECT_TRUE(IsWindowEnabled(program.Panel()));
    EXPECT_EQ((std::vector<int>{40, 30, 500, 420, 600, 200}), ReadInts(program.IniPath())) << "No writes nothing";

    PostMessageA(program.Form(), WM_COMMAND, 1091, 0);  // File > Exit
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
}

TEST(Program, KeypadRollsTheFirstSignAndExitStopsARollingSign)
{
    Program program;
    program.Start();
    ASSERT_TRUE(program.Panel());
    HWND panel = program.Panel();
    SetDlgItemTextA(panel, 1033, "20");  // speed: slow enough to be caught rolling
    SendMessageA(GetDlgItem(panel, 1008 + 4), BM_CLICK, 0, 0);
    char display[16] = {};
    GetDlgItemTextA(panel, 1002, display, sizeof display);
    EXPECT_STREQ("4", display);
    SendMessageA(GetDlgItem(panel, 1019), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntilWindow(GetDlgItem(panel, 1019), IsWindowEnabled, false)) << "ON is disabled while rolling";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, 1018))) << "強 stays enabled";

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
}

// A roll thread that is stopped ends with its own exit code (1 for the first sign, 2 for the
// second); one cut off by the end of the process would carry the process's code instead.
TEST(Program, YesWhileBothSignsRollEndsBothRollsBeforeTheSettingsAreWritten)
{
    const int speedEdits[2] = {1033, 1040}, nineKeys[2] = {1008 + 9, 1020 + 9}, onKeys[2] = {1019, 1030};
    Program program;
    program.Start();
    ASSERT_TRUE(program.Panel());
    HWND panel = program.Panel();
    const std::vector<DWORD> before = ThreadsOf(program.ProcessId());
    for (int sign : {0, 1}) {
        SetDlgItemTextA(panel, speedEdits[sign], "20");
        SendMessageA(GetDlgItem(panel, nineKeys[sign]), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(panel, onKeys[sign]), BM_CLICK, 0, 0);
        ASSERT_FALSE(IsWindowEnabled(GetDlgItem(panel, onKeys[sign]))) << "sign " << sign << " is not rolling";
    }
    std::vector<HANDLE> started;
    for (DWORD id : ThreadsOf(program.ProcessId())) {
        if (std::find(before.begin(), before.end(), id) != before.end())
            continue;
        if (HANDLE thread = OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, id))
            started.push_back(thread);
    }
    ASSERT_GE(started.size(), 2u) << "the two roll threads";

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
    WIN32_FILE_ATTRIBUTE_DATA ini{};
    ASSERT_TRUE(GetFileAttributesExA(program.IniPath().c_str(), GetFileExInfoStandard, &ini));

    std::vector<DWORD> ownCodes;
    for (HANDLE thread : started) {
        WaitForSingleObject(thread, 5000);
        DWORD code = STILL_ACTIVE;
        GetExitCodeThread(thread, &code);
        FILETIME created{}, exited{}, kernel{}, user{};
        if (code == 1 || code == 2) {
            ownCodes.push_back(code);
            ASSERT_TRUE(GetThreadTimes(thread, &created, &exited, &kernel, &user));
            EXPECT_LE(Ticks(exited), Ticks(ini.ftLastWriteTime)) << "roll " << code << " outlived the settings write";
        }
        CloseHandle(thread);
    }
    std::sort(ownCodes.begin(), ownCodes.end());
    EXPECT_EQ((std::vector<DWORD>{1, 2}), ownCodes) << "both rolls end by their own stop, not with the process";
}

TEST(Program, DataFileNamedOnTheCommandLineOpensOnceTheSplashHasGone)
{
    Program program;
    const std::string scene = program.AddFile("scenes with blanks", "bus stop.Rv4", Ver4Scene(520, 400));
    program.Start("\"" + scene + "\"", Program::Splash::Keep);
    ASSERT_TRUE(program.SplashWindow()) << "the splash stands at start";
    EXPECT_NE(0, GetWindowLongA(program.SplashWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsWindowEnabled(program.Form()));
    EXPECT_FALSE(IsWindowEnabled(program.Panel()));
    EXPECT_EQ(450, OuterSize(program.Form()).cx) << "the file waits for the splash";

    ASSERT_TRUE(program.WaitForSplashToGo()) << "the splash goes by itself";
    EXPECT_TRUE(IsWindowEnabled(program.Form()));
    EXPECT_TRUE(IsWindowEnabled(program.Panel()));
    EXPECT_EQ(520, OuterSize(program.Form()).cx);
    EXPECT_EQ(400, OuterSize(program.Form()).cy);
    EXPECT_EQ(nullptr, program.WaitForWindow("#32770", nullptr, 0)) << "read without a message";
}

TEST(Program, PackNamedOnTheCommandLineOpensItsSceneOnceTheSplashHasGone)
{
    Program program;
    const std::vector<char> scene = Ver4Scene(520, 400);
    const std::vector<std::uint8_t> zip = rolva::test::MakeZip({{"bus stop.rv4", std::string(scene.begin(), scene.end())}});
    const std::string pack = program.AddFile("packs with blanks", "bus stop.RVP", std::vector<char>(zip.begin(), zip.end()));
    program.Start("\"" + pack + "\"");
    // The pack is unpacked once the splash has gone: wait for the scene's size, a while at most.
    auto sized = [&program] { return OuterSize(program.Form()).cx == 520 && OuterSize(program.Form()).cy == 400; };
    for (const DWORD start = GetTickCount(); !sized() && GetTickCount() - start < 5000;)
        Sleep(20);
    EXPECT_EQ(520, OuterSize(program.Form()).cx);
    EXPECT_EQ(400, OuterSize(program.Form()).cy);
    EXPECT_EQ(nullptr, program.WaitForWindow("#32770", nullptr, 0)) << "read without a message";
}

TEST(Program, ABadPackOnTheCommandLineGetsItsMessageAndTheProgramGoesOn)
{
    Program program;
    const std::vector<std::uint8_t> zip = rolva::test::MakeZip({{"s.rv4", "s"}, {"../evil.bmp", "x"}});
    const std::string pack = program.AddFile("packs", "evil.rvp", std::vector<char>(zip.begin(), zip.end()));
    program.Start("\"" + pack + "\"");
    HWND box = program.WaitForWindow("#32770", nullptr, 5000);
    ASSERT_NE(nullptr, box) << "one message";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(450, OuterSize(program.Form()).cx);
    EXPECT_TRUE(IsWindow(program.Form()));
}

TEST(Program, CommandLineFileWithAnotherEndingIsLeftAlone)
{
    Program program;
    const std::string scene = program.AddFile("scenes with blanks", "bus stop.rv4.txt", Ver4Scene(520, 400));
    program.Start("\"" + scene + "\"");
    EXPECT_EQ(450, OuterSize(program.Form()).cx);
    EXPECT_EQ(450, OuterSize(program.Form()).cy);
    EXPECT_EQ(nullptr, program.WaitForWindow("#32770", nullptr, 0)) << "ignored without a message";
    EXPECT_TRUE(IsWindowEnabled(program.Panel()));
}

// A close request to the disabled Form while a modal window is up, as Task Manager (WM_CLOSE)
// or the taskbar (SC_CLOSE) sends it: either it asks and Yes ends the program as a normal exit
// does, or it is refused and the program goes on as it was. No process outlives its windows.
TEST(Program, CloseRequestWhileAModalWindowIsUpEndsTheProgramAfterYesOrIsRefused)
{
    const struct {
        const char* what;
        WPARAM command;
        const char* title;
        UINT message;
        WPARAM wParam;
        bool asks;  // a disabled window's default procedure ignores SC_CLOSE
    } cases[] = {
        {"settings dialog, WM_CLOSE", 1092, "設定", WM_CLOSE, 0, true},
        {"About, WM_CLOSE", 1094, "Rolvaのバージョン情報", WM_CLOSE, 0, true},
        {"settings dialog, SC_CLOSE", 1092, "設定", WM_SYSCOMMAND, SC_CLOSE, false},
        {"About, SC_CLOSE", 1094, "Rolvaのバージョン情報", WM_SYSCOMMAND, SC_CLOSE, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Program program;
        WriteInts(program.IniPath(), {40, 30, 500, 420, 600, 200});
        program.Start();
        ASSERT_TRUE(program.Form());
        PostMessageA(program.Form(), WM_COMMAND, c.command, 0);
        HWND modal = program.WaitForWindow("NORMALDLG", c.title);
        ASSERT_TRUE(modal);
        ASSERT_TRUE(WaitUntilWindow(program.Form(), IsWindowEnabled, false));

        PostMessageA(program.Form(), c.message, c.wParam, 0);
        if (!c.asks) {
            EXPECT_EQ(nullptr, program.WaitForWindow("#32770", nullptr, 1000));
            EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), program.WaitForExit(0));
            EXPECT_TRUE(IsWindowVisible(modal)) << "refused: the modal window goes on";
            // The panel comes back once the nested loop has ended: a message posted sooner
            // would meet the loop's own WM_QUIT still waiting.
            PostMessageA(modal, WM_CLOSE, 0, 0);
            ASSERT_TRUE(WaitUntilWindow(program.Panel(), IsWindowEnabled, true));
            PostMessageA(program.Form(), WM_CLOSE, 0, 0);
        }
        // Waited for by its caption, which the box may get a moment after it shows.
        HWND question = program.WaitForWindow("#32770", "終了の確認");
        ASSERT_TRUE(question);
        SendMessageA(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
        EXPECT_EQ(0u, program.WaitForExit(5000)) << "no process left without windows";
        EXPECT_EQ((std::vector<int>{40, 30, 500, 420, 600, 200}), ReadInts(program.IniPath()));
    }
}

BOOL CALLBACK CountVisible(HWND window, LPARAM param)
{
    auto& found = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == found.first && IsWindowVisible(window))
        found.second.push_back(window);
    return TRUE;
}

// The program's visible top-level windows other than the Form and the panel.
std::vector<HWND> OtherWindowsOf(const Program& program)
{
    std::pair<DWORD, std::vector<HWND>> found{program.ProcessId(), {}};
    EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&found));
    std::vector<HWND> others;
    for (HWND window : found.second) {
        if (window != program.Form() && window != program.Panel())
            others.push_back(window);
    }
    return others;
}

// Modal windows stacked three deep (the Form, the settings dialog, the strip maker over it), or
// the maker alone from the menu, closed in every way a user or an automation tool closes them:
// the program runs on with the Form and the panel enabled and no window left over.
TEST(Program, ClosingTheMakerAndTheSettingsInAnyWayNeverEndsTheProgram)
{
    constexpr WPARAM kSettingsCommand = 1092;  // 設定 > 設定...
    constexpr WPARAM kMakerCommand = 1110;     // 設定 > 幕の作成 > 1つ目の方向幕...
    constexpr int kMakeStripButton = 1111;     // the settings dialog's 幕の作成... of the first sign
    constexpr int kSettingsClose = 1016;       // the settings dialog's 閉じる
    constexpr int kMakerClose = 1221;          // the maker's 閉じる
    constexpr int kMakerList = 1202;           // the maker's frame list, where the focus starts
    constexpr int kMakerPitch = 1214;          // a one-line field of the maker
    // A multiline edit (the list) turns Esc into a close request of its own; elsewhere Esc is
    // the dialog keys' cancel.
    enum class Close { Button, Request, Escape, EscapeInField };
    const struct {
        const char* what;
        bool fromSettings;
        Close maker;
        Close settings;
        bool atOnce;  // the settings closed without waiting for the maker to go
    } cases[] = {
        {"maker by its button, settings by its button", true, Close::Button, Close::Button, false},
        {"maker by a close request, settings by its button", true, Close::Request, Close::Button, false},
        {"maker by Esc in its list, settings by its button", true, Close::Escape, Close::Button, false},
        {"maker by Esc in a field, settings by its button", true, Close::EscapeInField, Close::Button, false},
        {"maker by its button, settings by a close request", true, Close::Button, Close::Request, false},
        {"maker by a close request, settings by a close request", true, Close::Request, Close::Request, false},
        {"maker by a close request, at once settings by its button", true, Close::Request, Close::Button, true},
        {"settings by its button while the maker is up", true, Close::Button, Close::Button, true},
        {"maker from the menu, by its button", false, Close::Button, Close::Button, false},
        {"maker from the menu, by a close request", false, Close::Request, Close::Button, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Program program;
        program.Start();
        ASSERT_TRUE(program.Form());
        HWND settings = nullptr;
        if (c.fromSettings) {
            PostMessageA(program.Form(), WM_COMMAND, kSettingsCommand, 0);
            settings = program.WaitForWindow("NORMALDLG", "設定");
            ASSERT_TRUE(settings);
            HWND button = GetDlgItem(settings, kMakeStripButton);
            PostMessageA(settings, WM_COMMAND, MAKEWPARAM(kMakeStripButton, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        } else {
            PostMessageA(program.Form(), WM_COMMAND, kMakerCommand, 0);
        }
        HWND maker = program.WaitForWindow("NORMALDLG", "幕の作成 - 1つ目の方向幕");
        ASSERT_TRUE(maker);

        // The maker is closed first, unless the settings go with the maker still over them.
        const bool makerFirst = !(c.atOnce && c.maker == Close::Button);
        if (makerFirst) {
            switch (c.maker) {
            case Close::Button:
                SendMessageA(GetDlgItem(maker, kMakerClose), BM_CLICK, 0, 0);
                break;
            case Close::Request:
                PostMessageA(maker, WM_CLOSE, 0, 0);
                break;
            case Close::Escape:
            case Close::EscapeInField: {
                HWND field = GetDlgItem(maker, c.maker == Close::Escape ? kMakerList : kMakerPitch);
                PostMessageA(field, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                PostMessageA(field, WM_KEYUP, VK_ESCAPE, 0xC0010001);
                break;
            }
            }
        }
        if (settings) {
            if (!c.atOnce) {
                EXPECT_TRUE(WaitUntilWindow(maker, IsWindowVisible, false)) << "the maker stays open";
                ASSERT_TRUE(WaitUntilWindow(settings, IsWindowEnabled, true)) << "the settings stay disabled";
            }
            if (c.settings == Close::Button)
                SendMessageA(GetDlgItem(settings, kSettingsClose), BM_CLICK, 0, 0);
            else
                PostMessageA(settings, WM_CLOSE, 0, 0);
        }
        EXPECT_TRUE(WaitUntilWindow(maker, IsWindowVisible, false)) << "the maker stays open";
        EXPECT_TRUE(!settings || WaitUntilWindow(settings, IsWindowVisible, false)) << "the settings stay open";

        EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), program.WaitForExit(1500)) << "the program ended";
        EXPECT_TRUE(WaitUntilWindow(program.Form(), IsWindowEnabled, true));
        EXPECT_TRUE(WaitUntilWindow(program.Panel(), IsWindowEnabled, true));
        EXPECT_TRUE(OtherWindowsOf(program).empty()) << "a window was left behind";
        PostMessageA(program.Form(), WM_CLOSE, 0, 0);
        EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
        EXPECT_EQ(0u, program.WaitForExit());
    }
}

// The maker's submenu names the sign, so the maker opens for it without a question; the second
// sign's command does nothing while that sign is hidden.
TEST(Program, TheMakersMenuOpensItForTheSignChosen)
{
    constexpr WPARAM kMakerFirst = 1110;   // 設定 > 幕の作成 > 1つ目の方向幕...
    constexpr WPARAM kMakerSecond = 1111;  // 設定 > 幕の作成 > 2つ目の方向幕...
    const struct {
        char secondKind;
        WPARAM command;
        const char* title;  // nullptr: no maker opens
    } cases[] = {
        {0, kMakerSecond, "幕の作成 - 2つ目の方向幕"},
        {0, kMakerFirst, "幕の作成 - 1つ目の方向幕"},
        {2, kMakerSecond, nullptr},
        {2, kMakerFirst, "幕の作成 - 1つ目の方向幕"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.secondKind) + " " + std::to_string(c.command));
        Program program;
        const std::string scene = program.AddFile("scenes", "two signs.rv4", Ver4Scene(520, 400, c.secondKind));
        program.Start("\"" + scene + "\"");
        ASSERT_TRUE(program.Form());
        PostMessageA(program.Form(), WM_COMMAND, c.command, 0);
        if (c.title) {
            HWND maker = program.WaitForWindow("NORMALDLG", c.title);
            ASSERT_TRUE(maker);
            EXPECT_EQ(nullptr, program.WaitForWindow("#32770", nullptr, 0)) << "asked which sign";
            PostMessageA(maker, WM_CLOSE, 0, 0);
            EXPECT_TRUE(WaitUntilWindow(maker, IsWindowVisible, false));
        } else {
            EXPECT_EQ(nullptr, program.WaitForWindow("NORMALDLG", "幕の作成 - 2つ目の方向幕", 1000));
            EXPECT_EQ(nullptr, program.WaitForWindow("#32770", nullptr, 0));
        }
        EXPECT_TRUE(WaitUntilWindow(program.Panel(), IsWindowEnabled, true));
        PostMessageA(program.Form(), WM_CLOSE, 0, 0);
        EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
        EXPECT_EQ(0u, program.WaitForExit());
    }
}

// A close request to the Form with the settings dialog and the maker over it: No keeps all
// three, Yes ends the program with no process left behind.
TEST(Program, ACloseRequestUnderTheMakerAsksAndEndsOnlyOnYes)
{
    Program program;
    program.Start();
    ASSERT_TRUE(program.Form());
    PostMessageA(program.Form(), WM_COMMAND, 1092, 0);
    HWND settings = program.WaitForWindow("NORMALDLG", "設定");
    ASSERT_TRUE(settings);
    PostMessageA(settings, WM_COMMAND, MAKEWPARAM(1111, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(settings, 1111)));
    HWND maker = program.WaitForWindow("NORMALDLG", "幕の作成 - 1つ目の方向幕");
    ASSERT_TRUE(maker);

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDNO));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), program.WaitForExit(1000));
    EXPECT_TRUE(IsWindowVisible(maker));
    EXPECT_TRUE(IsWindowVisible(settings));
    EXPECT_FALSE(IsWindowEnabled(settings)) << "the maker is still modal over the settings";

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit(5000));
}

TEST(Program, MinimisedExitStoresTheRestoredPlacesAndTheNextStartShowsThem)
{
    Program program;
    const std::vector<int> places = {60, 50, 480, 400, 500, 300};
    WriteInts(program.IniPath(), places);
    program.Start();
    ASSERT_TRUE(program.Form());
    PostMessageA(program.Form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntilWindow(program.Form(), IsIconic, true));

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
    EXPECT_EQ(places, ReadInts(program.IniPath())) << "the places it comes back to, not the minimised ones";

    program.Kill();
    program.Start();
    ASSERT_TRUE(program.Form());
    EXPECT_FALSE(IsIconic(program.Form()));
    const RECT form = OuterRect(program.Form());
    EXPECT_EQ(60, form.left);
    EXPECT_EQ(50, form.top);
    EXPECT_EQ(480, form.right - form.left);
    EXPECT_EQ(400, form.bottom - form.top);
    PostMessageA(program.Form(), WM_COMMAND, 1091, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
}

// The user's own folder the program keeps its settings in when its folder refuses them; what
// was there before the test is put back.
class PerUserFolder {
public:
    PerUserFolder()
    {
        char local[MAX_PATH] = {};
        SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local);
        folder_ = std::string(local) + "\\Rolva";
        hadFolder_ = GetFileAttributesA(folder_.c_str()) != INVALID_FILE_ATTRIBUTES;
        before_ = ReadInts(IniPath());
        DeleteFileA(IniPath().c_str());
    }
    ~PerUserFolder()
    {
        DeleteFileA(IniPath().c_str());
        if (!before_.empty())
            WriteInts(IniPath(), before_);
        if (!hadFolder_)
            RemoveDirectoryA(folder_.c_str());
    }

    const std::string& Folder() const { return folder_; }
    std::string IniPath() const { return folder_ + "\\Rolva.ini"; }

private:
    std::string folder_;
    bool hadFolder_ = false;
    std::vector<int> before_;
};

// The text of the program's message box with the caption, pressed away with OK; empty when none
// shows within the limit.
std::string AcknowledgeBox(const Program& program, const char* caption, DWORD limitMs = 15000)
{
    HWND box = program.WaitForWindow("#32770", caption, limitMs);
    if (!box)
        return "";
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // a message box's text control
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    return text;
}

TEST(Program, SettingsTheProgramsFolderRefusesAreKeptPerUserWithOneMessageAndReadBack)
{
    Program program;
    PerUserFolder perUser;
    const std::vector<int> shipped = {40, 30, 500, 420, 600, 200};
    WriteInts(program.IniPath(), shipped);
    SetFileAttributesA(program.IniPath().c_str(), FILE_ATTRIBUTE_READONLY);

    program.Start();
    ASSERT_TRUE(program.Form());
    EXPECT_EQ(40, OuterRect(program.Form()).left) << "read from beside the program";
    SetWindowPos(program.Form(), nullptr, 70, 60, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ("設定（ウィンドウの位置と最近使ったファイル）をプログラムと同じフォルダーに保存できないため、"
              "次のフォルダーに保存しました。\r\n\r\n" +
                  perUser.Folder() + "\r\n\r\n次回の起動時は、このフォルダーから読み込みます。",
              AcknowledgeBox(program, "RolvaVer4"));
    EXPECT_EQ(0u, program.WaitForExit());
    EXPECT_EQ(shipped, ReadInts(program.IniPath()));
    EXPECT_EQ((std::vector<int>{70, 60, 500, 420, 600, 200}), ReadInts(perUser.IniPath()));

    // The next run starts where the last one ended, and ends without the message.
    program.Kill();
    program.Start();
    ASSERT_TRUE(program.Form());
    EXPECT_EQ(70, OuterRect(program.Form()).left);
    EXPECT_EQ(60, OuterRect(program.Form()).top);
    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
}

RECT WorkAreaNear(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Sound is on from the first start, on a machine with no audio device: a broken sound file of
// the user's is named in one message once the Form is up, a roll runs to its frame as it
// would in silence, and the exit ends the program at once with code 0.
TEST(Program, ABrokenSoundFileIsNamedOnceAndRollAndExitAreAsInSilence)
{
    Program program;
    program.AddFile("sounds", "knock.wav", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'});
    program.Start();
    ASSERT_TRUE(program.Form());
    const std::string text = AcknowledgeBox(program, "読み込みエラー");
    EXPECT_NE(std::string::npos, text.find("\\sounds\\knock.wav\r\nWAV形式のファイルではありません。")) << text;
    EXPECT_EQ(nullptr, program.WaitForWindow("#32770", nullptr, 1000)) << "one message only";

    HWND panel = program.Panel();
    SetDlgItemTextA(panel, 1033, "2");
    SetDlgItemTextA(panel, 1036, "50");
    SendMessageA(GetDlgItem(panel, 1008 + 3), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(panel, 1019), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntilWindow(GetDlgItem(panel, 1019), IsWindowEnabled, false)) << "rolling";
    EXPECT_TRUE(WaitUntilWindow(GetDlgItem(panel, 1019), IsWindowEnabled, true)) << "the roll ended";

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    const DWORD start = GetTickCount();
    EXPECT_EQ(0u, program.WaitForExit());
    EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST(Program, StoredPlacesOnNoMonitorAreBroughtBackOntoTheScreen)
{
    Program program;
    // The file a minimised exit used to leave, and a panel stored on a larger screen.
    WriteInts(program.IniPath(), {-32000, -32000, 160, 24, 5000, 4000});
    program.Start();
    ASSERT_TRUE(program.Form());
    const RECT work = WorkAreaNear(program.Form());
    const RECT form = OuterRect(program.Form());
    EXPECT_TRUE(Inside(form, work)) << form.left << ", " << form.top;
    EXPECT_EQ(160, form.right - form.left) << "the stored size stays";
    EXPECT_TRUE(Inside(OuterRect(program.Panel()), work));
    EXPECT_EQ(work.right, OuterRect(program.Panel()).right) << "moved no further than needed";
    EXPECT_EQ(work.bottom, OuterRect(program.Panel()).bottom);
}

// The manifest the exe carries (type 24, id 1), read from the file without running it.
std::string ManifestOf(const std::string& exe)
{
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!image)
        return std::string();
    std::string text;
    if (HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        HGLOBAL loaded = LoadResource(image, found);
        const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        if (bytes)
            text.assign(bytes, SizeofResource(image, found));
    }
    FreeLibrary(image);
    return text;
}

TEST(ExeManifest, StatesLevelSystemsAndGdiScalingButNoDpiAwarenessOrNewControls)
{
    const std::string manifest = ManifestOf(gExe);
    ASSERT_FALSE(manifest.empty()) << "no manifest resource in " << gExe;
    const char* stated[] = {
        "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
        "<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">",
        "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>",  // Vista
        "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // 7
        "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",  // 8
        "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",  // 8.1
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",  // 10 and 11
        "<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">true</gdiScaling>",
    };
    for (const char* text : stated)
        EXPECT_NE(std::string::npos, manifest.find(text)) << text;
    // The program keeps its pixel geometry and the old static control's handling of bitmaps.
    std::string lower = manifest;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* text : {"dpiaware", "dpiawareness", "common-controls", "<dependency"})
        EXPECT_EQ(std::string::npos, lower.find(text)) << text;
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--exe=", 6) == 0)
            gExe = argv[i] + 6;
    }
    if (gExe.empty()) {
        fprintf(stderr, "usage: e2e_driver --exe=PATH\\Rolva.exe\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
