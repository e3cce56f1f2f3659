#include "WindowsPlatform.h"

#include "ArgumentText.h"
#include "VersionResource.h"

#include <windows.h>

#include <string_view>

namespace norvil {
namespace {

std::u16string Environment(const wchar_t* name)
{
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    if (value.empty())
        return {};
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return std::u16string(value.begin(), value.end());
}

} // namespace

std::u16string ProcessArgumentText()
{
    const std::wstring_view raw = GetCommandLineW();
    const std::u16string commandLine(raw.begin(), raw.end());
    return std::u16string(SkipProgramPath(commandLine));
}

std::vector<std::u16string> UserLanguages()
{
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0)
        return {};
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return {};
    // Names separated by NULs, the list ended by an empty one.
    std::vector<std::u16string> languages;
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const std::size_t end = names.find(L'\0', at);
        languages.emplace_back(names.begin() + static_cast<std::ptrdiff_t>(at), names.begin() + static_cast<std::ptrdiff_t>(end));
        at = end + 1;
    }
    return languages;
}

Platform WindowsPlatform::Services()
{
    return {&Browser, &AnsiCodePage, OwnProgramVersion(), ProcessArgumentText(), Environment(L"LANGUAGE"), UserLanguages()};
}

} // namespace norvil
