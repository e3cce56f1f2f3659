// The Windows program: Windows' services, WinHTTP's transfer and the window, then the
// messages until the window is unloaded.

#include "MessageLoop.h"
#include "WinHttpInet.h"
#include "Win32Face.h"
#include "WindowsPlatform.h"
#include "frmMain.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace norvil;
    WindowsPlatform platform;
    WinHttpInet inet;
    Win32Face face;
    frmMain form(platform.Services(), face, inet);
    form.Load();
    RunMessageLoop(face);
    // Returning ends the process with ExitProcess, which stops the worker wherever it is and then
    // lets every DLL clean up: a worker stopped inside WinHTTP, holding its locks or the loader's,
    // could keep the process alive for ever after its window has gone. Nothing needs flushing,
    // so then the process ends at once.
    if (inet.InsideWinHttp())
        TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}
