// Save As onto names that already exist: whether the dialog adds the ending itself or the
// program adds it after, the file is never replaced without the question, and a No leaves its
// bytes as they were.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SharedState.h"
#include "TestSupport.h"
#include "app/Commands.h"
#include "app/MenuIds.h"

namespace rolva {
namespace {

using test::ClassOf;
using test::ReadFileBytes;
using test::RemoveTree;
using test::TextOf;
using test::WriteFileBytes;

const char kOldBytes[] = "the scene that was there before";

BOOL CALLBACK CollectOwnDialog(HWND window, LPARAM context)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassOf(window) == "#32770")
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// Answers Save As as a person would: types the name into the save dialog and presses Save, and
// answers every message box with the button given. A save dialog still open a second after its
// last box (the person said No to replacing) is cancelled.
class SaveAsDriver {
public:
    SaveAsDriver(std::string name, int boxButton) : name_(std::move(name)), boxButton_(boxButton)
    {
        InitializeCriticalSection(&lock_);
        stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~SaveAsDriver()
    {
        SetEvent(stop_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(stop_);
        DeleteCriticalSection(&lock_);
    }
    SaveAsDriver(const SaveAsDriver&) = delete;
    SaveAsDriver& operator=(const SaveAsDriver&) = delete;

    bool Typed() const
    {
        Lock lock(lock_);
        return typed_;
    }
    std::vector<std::string> Boxes() const
    {
        Lock lock(lock_);
        return boxes_;
    }

private:
    struct Lock {
        explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
        ~Lock() { LeaveCriticalSection(&section_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        CRITICAL_SECTION& section_;
    };

    static DWORD WINAPI Run(LPVOID self)
    {
        static_cast<SaveAsDriver*>(self)->Loop();
        return 0;
    }

    void Loop()
    {
        DWORD lastAct = 0;
        while (WaitForSingleObject(stop_, 20) == WAIT_TIMEOUT) {
            std::vector<HWND> dialogs;
            EnumWindows(CollectOwnDialog, reinterpret_cast<LPARAM>(&dialogs));
            HWND box = nullptr, saveDialog = nullptr;
            for (HWND dialog : dialogs)
                (GetDlgItem(dialog, 0xFFFF) ? box : saveDialog) = dialog;
            if (box) {
                const std::string text = TextOf(box) + "|" + TextOfItem(box, 0xFFFF);  // caption|message
                {
                    Lock lock(lock_);
                    boxes_.push_back(text);
                }
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(boxButton_, BN_CLICKED), 0);
                test::WaitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000);
                lastAct = GetTickCount();
            } else if (saveDialog && !Typed()) {
                // The dialog fills its lists after it first shows.
                test::WaitUntil([saveDialog] { return SendDlgItemMessageA(saveDialog, cmb1, CB_GETCOUNT, 0, 0) > 0; });
                HWND nameBox = GetDlgItem(saveDialog, cmb13);
                if (!nameBox)
                    nameBox = GetDlgItem(saveDialog, edt1);
                SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name_.c_str()));
                {
                    Lock lock(lock_);
                    typed_ = true;
                }
                PostMessageA(saveDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                lastAct = GetTickCount();
            } else if (saveDialog && GetTickCount() - lastAct > 1000) {
                PostMessageA(saveDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                lastAct = GetTickCount();
            }
        }
    }

    static std::string TextOfItem(HWND dialog, int id)
    {
        char text[1024] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }

    std::string name_;
    int boxButton_;
    HANDLE stop_;
    HANDLE thread_;
    mutable CRITICAL_SECTION lock_;
    bool typed_ = false;
    std::vector<std::string> boxes_;
};

class SaveAsTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-save-as-test";
        RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    void TearDown() override { RemoveTree(folder_); }

    std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }
    static bool IsScene(const std::string& bytes) { return bytes.size() > 18 && bytes.substr(4, 14) == "Rolva4DataFile"; }

    std::string folder_;
};

TEST_F(SaveAsTest, AnExistingSceneIsReplacedOnlyAfterTheQuestionAnsweredYes)
{
    const struct {
        const char* typed;     // as typed into the dialog
        const char* existing;  // the file the name ends up naming
        int answer;
    } cases[] = {
        {"keep", "keep.rv4", IDNO},  // the dialog adds the ending, then asks itself
        {"keep", "keep.rv4", IDYES},
        {"keep.rv3", "keep.rv3.rv4", IDNO},  // the program adds the ending, then asks
        {"keep.rv3", "keep.rv3.rv4", IDYES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.answer == IDYES ? " yes" : " no"));
        const std::string existing = PathOf(c.existing);
        WriteFileBytes(existing, kOldBytes);
        std::vector<std::string> boxes;
        {
            SaveAsDriver driver(PathOf(c.typed), c.answer);
            RunCommand(kCommandSaveAs);
            ASSERT_TRUE(driver.Typed());
            boxes = driver.Boxes();
        }
        ASSERT_EQ(1u, boxes.size()) << "one question before replacing";
        EXPECT_EQ(0u, boxes[0].find("名前をつけて保存|")) << boxes[0];
        const std::string bytes = ReadFileBytes(existing);
        if (c.answer == IDNO)
            EXPECT_EQ(kOldBytes, bytes);
        else
            EXPECT_TRUE(IsScene(bytes)) << bytes.size();
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf(c.typed).c_str())) << "nothing under the typed name";
    }
}

TEST_F(SaveAsTest, ANewNameIsSavedWithTheEndingAndNoQuestion)
{
    std::vector<std::string> boxes;
    {
        SaveAsDriver driver(PathOf("fresh"), IDNO);
        RunCommand(kCommandSaveAs);
        ASSERT_TRUE(driver.Typed());
        boxes = driver.Boxes();
    }
    EXPECT_TRUE(boxes.empty()) << boxes[0];
    EXPECT_TRUE(IsScene(ReadFileBytes(PathOf("fresh.rv4"))));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("fresh").c_str()));
}

}  // namespace
}  // namespace rolva
