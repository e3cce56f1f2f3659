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
    return 0;
}
