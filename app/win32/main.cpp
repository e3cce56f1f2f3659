// The Windows program: Windows' services, WinHTTP's transfer and the window, then the
// messages until the window is unloaded.

#include "MessageLoop.h"
#include "SystemLibrary.h"
#include "WinHttpInet.h"
#include "Win32Face.h"
#include "WindowsPlatform.h"
#include "frmMain.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace norvil;
    // Before any DLL is loaded by name: norvil.exe imports only KnownDLLs, which Windows takes
    // from System32 whatever lies beside the program; every other DLL (WinHTTP, imported on first
    // use; the common controls, the shell, the theme, each loaded later) must come from there too.
    if (!SearchSystem32Only()) {
        // A Windows 7 without KB2533623: what is loaded here from System32 is found by name later,
        // by the delayed import of WinHTTP and by Windows' own controls and theme.
        for (const wchar_t* name : {L"winhttp.dll", L"uxtheme.dll", L"dwmapi.dll"})
            LoadSystemLibrary(name);
    }
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
