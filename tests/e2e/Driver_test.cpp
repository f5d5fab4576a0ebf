// End-to-end runs of the real program, driven from this process by window messages: start-up
// places, the settings file, a roll from the keypad, and the confirmed exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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
        DeleteFileA(exe_.c_str());
        DeleteFileA(IniPath().c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string IniPath() const { return folder_ + "\\Rolva.ini"; }

    void Start()
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + exe_ + "\"";
        ASSERT_TRUE(CreateProcessA(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder_.c_str(), &startup, &process_));
        CloseHandle(process_.hThread);
        form_ = WaitForWindow("NORMAL0", "RolvaVer4");
        panel_ = WaitForWindow("NORMALDLG", "ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ");
    }

    HWND WaitForWindow(const char* className, const char* text, DWORD limitMs = 15000) const
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < limitMs) {
            Search search{process_.dwProcessId, className, text, nullptr};
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            Sleep(50);
        }
        return nullptr;
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

    HWND Form() const { return form_; }
    HWND Panel() const { return panel_; }

private:
    std::string folder_;
    std::string exe_;
    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
    HWND panel_ = nullptr;
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
    Sleep(300);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, 1019))) << "ON is disabled while rolling";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, 1018))) << "強 stays enabled";

    PostMessageA(program.Form(), WM_CLOSE, 0, 0);
    EXPECT_EQ("終了の確認", program.AnswerMessageBox(IDYES));
    EXPECT_EQ(0u, program.WaitForExit());
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
