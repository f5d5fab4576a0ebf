// Program entry: start-up, the one message loop, the teardown and the exit with code 0.
#include <windows.h>

#include "app/Application.h"
#include "base/Handles.h"
#include "display/PictureLoader.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    {
        // The UI thread is a single-threaded apartment, as ShellExecute and OLE pictures need.
        rolva::ComApartment apartment;
        // GDI+ once for the whole run, before the Form probes for it and loads the first picture.
        rolva::StartGdiplusForRun();
        rolva::StartApplication(instance);
        rolva::RunMessageLoop();
        rolva::EndApplication();
        rolva::EndGdiplusForRun();
    }
    ExitProcess(0);
}
