#pragma once

#include <windows.h>

namespace norvil {

// From now on, DLLs that are loaded by name come from System32 alone, never from the program's
// folder (a user's Downloads, a per-user install folder) nor the current one. True where Windows
// can be told so for every later load (Windows 8 on, and 7 with its update KB2533623); false on
// a Windows 7 without it, where only what LoadSystemLibrary loads is safe.
bool SearchSystem32Only();

// One of Windows' own DLLs, from System32 (or, for the common controls the manifest names, from
// Windows' side-by-side store); null if it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a loaded DLL, looked up by name, for what an older Windows may lack or what is
// loaded only when needed; null where the DLL (null too) has none.
template <typename Function>
Function FunctionOf(HMODULE library, const char* name)
{
    return library == nullptr ? nullptr : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace norvil
