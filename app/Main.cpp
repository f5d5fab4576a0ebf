// Program entry: start-up, the one message loop, and the exit with code 0.
#include <windows.h>

#include "app/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    rolva::StartApplication(instance);
    rolva::RunMessageLoop();
    ExitProcess(0);
}
