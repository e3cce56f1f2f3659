#pragma once

#include "ShellBrowserOpener.h"
#include "WindowsCodePage.h"

#include <string>
#include <vector>

namespace norvil {

// The argument text from the raw command line (GetCommandLineW): everything after the program
// path, quoted or not, and the blanks that follow it; the rest exactly as Windows delivers it.
std::u16string ProcessArgumentText();

// The user's display languages as Windows lists them, most wanted first ("de-DE", "en-US").
std::vector<std::u16string> UserLanguages();

// The real services of this platform, alive as long as the program runs.
struct WindowsPlatform {
    ShellBrowserOpener Browser;
    WindowsCodePage AnsiCodePage;

    Platform Services();
};

} // namespace norvil
