// Program entry: start-up, the one message loop, and the exit with code 0.
#include <windows.h>

#include "app/Application.h"
#include "display/PictureLoader.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // GDI+ once for the whole run, before the Form probes for it and loads the first picture.
    rolva::StartGdiplusForRun();
    rolva::StartApplication(instance);
    rolva::RunMessageLoop();
    rolva::EndGdiplusForRun();
    ExitProcess(0);
}
