// The help: F1 on the Form and the Help menu's topics item open the help file named after the
// running program in the system's HTML Help viewer.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/MenuIds.h"
#include "info/Help.h"

namespace rolva {
namespace {

using test::ClassOf;
using test::PumpMessages;
using test::TextOf;

constexpr char kViewerClass[] = "HH Parent";
constexpr char kHelpTitle[] = "Rolva ヘルプ";  // the title the help file itself carries

std::string ExecutablePath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

BOOL CALLBACK CollectViewer(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && ClassOf(window) == kViewerClass)
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

// The viewer window this thread opened, or NULL.
HWND HelpViewer()
{
    HWND viewer = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), CollectViewer, reinterpret_cast<LPARAM>(&viewer));
    return viewer;
}

void CloseHelpViewer()
{
    if (HWND viewer = HelpViewer())
        SendMessageA(viewer, WM_CLOSE, 0, 0);
    PumpMessages();
}

// The built help file, copied beside the test program under the test program's own name.
class HelpFile : public testing::Test {
protected:
    void SetUp() override
    {
        built = FolderOf(ExecutablePath()) + "Rolva.chm";
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(built.c_str())) << "build the Rolva target first";
    }
    void TearDown() override
    {
        CloseHelpViewer();
        DeleteFileA(HelpFilePath().c_str());
    }

    std::string built;
};

TEST_F(HelpFile, F1OnTheFormAndTheTopicsItemOpenItInTheViewer)
{
    ASSERT_TRUE(CopyFileA(built.c_str(), HelpFilePath().c_str(), FALSE));
    const struct {
        const char* how;
        UINT message;
        WPARAM wParam;
    } routes[] = {
        {"F1", WM_KEYDOWN, VK_F1},
        {"トピック(&T)...", WM_COMMAND, kCommandHelpTopics},
    };
    for (const auto& route : routes) {
        SCOPED_TRACE(route.how);
        SendMessageA(gApp.form, route.message, route.wParam, 0);
        PumpMessages();
        HWND viewer = HelpViewer();
        ASSERT_TRUE(viewer);
        EXPECT_EQ(kHelpTitle, TextOf(viewer));
        CloseHelpViewer();
        EXPECT_EQ(nullptr, HelpViewer());
    }
    SendMessageA(gApp.form, WM_KEYDOWN, VK_F2, 0);
    PumpMessages();
    EXPECT_EQ(nullptr, HelpViewer()) << "only F1 asks for help";
}

TEST_F(HelpFile, CloseHelpClosesTheViewerBeforeTheProgramEnds)
{
    ASSERT_TRUE(CopyFileA(built.c_str(), HelpFilePath().c_str(), FALSE));
    OpenHelp();
    PumpMessages();
    ASSERT_TRUE(HelpViewer());

    CloseHelp();
    PumpMessages();
    EXPECT_EQ(nullptr, HelpViewer());
    CloseHelp();  // nothing left to close
}

TEST_F(HelpFile, UnderAnotherNameItIsNotFound)
{
    // Rolva.chm lies beside the test program, but the program is not called Rolva.
    OpenHelp();
    PumpMessages();
    EXPECT_EQ(nullptr, HelpViewer());
}

}  // namespace
}  // namespace rolva
