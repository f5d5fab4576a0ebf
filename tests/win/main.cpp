// Runs the tests of the real windows: the program's start-up runs once, without its message
// loop; each test pumps messages itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "SharedState.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "app/RecentFiles.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--fixtures=", 11) == 0)
            rolva::test::SetFixtureFolder(argv[i] + 11);
    }
    // A settings file left by an earlier run would move the windows away from their start-up
    // places, and a list of recent files would add to the File menu.
    DeleteFileA(rolva::test::SettingsFileOfThisProgram().c_str());
    DeleteFileA(rolva::RecentFilesPath().c_str());
    if (!rolva::StartApplication(GetModuleHandleA(nullptr))) {
        fprintf(stderr, "the Form could not be created\n");
        return 1;
    }
    rolva::test::PumpMessages();
    rolva::test::RememberStartupPlaces();
    // The start-up splash keeps the Form and the panel disabled for five seconds; the tests want
    // them as a person finds them afterwards. The splash tests make splashes of their own.
    SendMessageA(rolva::gApp.splash, WM_CLOSE, 0, 0);
    rolva::test::PumpMessages();
    rolva::test::RememberStartState();
    testing::UnitTest::GetInstance()->listeners().Append(new rolva::test::SharedStateListener);
    return RUN_ALL_TESTS();
}
