// Runs the tests of the real windows: the program's start-up runs once, without its message
// loop; each test pumps messages itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "TestSupport.h"
#include "app/Application.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--fixtures=", 11) == 0)
            rolva::test::SetFixtureFolder(argv[i] + 11);
    }
    // A settings file left by an earlier run would move the windows away from their start-up places.
    DeleteFileA(rolva::test::SettingsFileOfThisProgram().c_str());
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
    return RUN_ALL_TESTS();
}
