// Starts a program with an exact raw command line, as a Windows application that calls norvil.exe
// does: the line is taken from the environment variable NORVIL_COMMAND_LINE, blanks, quotes and
// all. Waits for the program and ends with its exit code.

#include <windows.h>

#include <string>

int main()
{
    std::wstring line(32768, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"NORVIL_COMMAND_LINE", line.data(), static_cast<DWORD>(line.size()));
    if (length == 0 || length >= line.size())
        return 120;
    line.resize(length);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 121;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 122;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
