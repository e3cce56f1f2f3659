#include "WindowsPlatform.h"

#include "ArgumentText.h"
#include "VersionResource.h"

#include <windows.h>

#include <string_view>

namespace norvil {

std::u16string ProcessArgumentText()
{
    const std::wstring_view raw = GetCommandLineW();
    const std::u16string commandLine(raw.begin(), raw.end());
    return std::u16string(SkipProgramPath(commandLine));
}

Platform WindowsPlatform::Services()
{
    return {&Browser, &Raiser, &AnsiCodePage, OwnProgramVersion(), ProcessArgumentText()};
}

} // namespace norvil
