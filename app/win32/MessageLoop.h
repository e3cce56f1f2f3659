#pragma once

#include "Win32Face.h"

#include <windows.h>

namespace norvil {

// Waits up to timeoutMs for the program's messages or the start timer, then handles what has
// come: the start timer's tick, then every message, the window's keys to the dialog manager
// first (Tab, Enter, Escape, access keys). False once the program is to end.
bool HandleEvents(Win32Face& face, DWORD timeoutMs);

// Handles the program's events until the window is unloaded; the program's exit code.
int RunMessageLoop(Win32Face& face);

} // namespace norvil
