#pragma once

#include "SystemLibrary.h"

#include <windows.h>

namespace norvil {

// One of user32's functions that an older Windows lacks, looked up at run time; null where
// this Windows has none. The program imports nothing that Windows 7 lacks.
template <typename Function>
Function User32Function(const char* name)
{
    return FunctionOf<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// Windows 10's per-window DPI calls (version 1607 on) where Windows has them; on older ones the
// calls they replaced. Windows 7 and 8 run the program at the system's DPI (the manifest's
// dpiAware); Windows 8.1 and 10 before 1607 per monitor, with the monitor's DPI from shcore and
// the system's metrics scaled to it.
UINT WindowDpi(HWND window);
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);
int SystemMetricForDpi(int index, UINT dpi);
bool MessageFontForDpi(LOGFONTW& font, UINT dpi); // the font of message boxes and dialogs

} // namespace norvil
