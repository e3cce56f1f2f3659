// A DLL planted beside norvil.exe under the name of one of Windows' own. Loaded, it leaves a file
// of its name in the folder NORVIL_PLANTED_MARKS names, and does nothing else.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    wchar_t mark[2 * MAX_PATH], name[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"NORVIL_PLANTED_MARKS", mark, MAX_PATH);
    if (reason == DLL_PROCESS_ATTACH && length > 0 && length < MAX_PATH && GetModuleFileNameW(self, name, MAX_PATH) > 0) {
        lstrcatW(mark, wcsrchr(name, L'\\'));
        CloseHandle(CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
