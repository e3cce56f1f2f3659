// A helper for the Windows tests: writes the argument text it was started with, as the program
// reads it, to the file named by NORVIL_ECHO_FILE (UTF-16). Written under a temporary name and
// then renamed, so a waiting test never reads half of it.

#include "WindowsPlatform.h"

#include <windows.h>

#include <string>

int main()
{
    wchar_t target[32768];
    const DWORD length = GetEnvironmentVariableW(L"NORVIL_ECHO_FILE", target, 32768);
    if (length == 0 || length >= 32768)
        return 2;

    const std::u16string text = norvil::ProcessArgumentText();
    const std::wstring finalName(target, length);
    const std::wstring partName = finalName + L".part";
    HANDLE file = CreateFileW(partName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    const auto bytes = static_cast<DWORD>(text.size() * sizeof(char16_t));
    const BOOL ok = WriteFile(file, text.data(), bytes, &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes)
        return 4;
    return MoveFileExW(partName.c_str(), finalName.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 5;
}
