#pragma once

#include "ShellBrowserOpener.h"
#include "Win32WindowRaiser.h"
#include "WindowsCodePage.h"

#include <string>

namespace norvil {

// The argument text from the raw command line (GetCommandLineW): everything after the program
// path, quoted or not, and the blanks that follow it; the rest exactly as Windows delivers it.
std::u16string ProcessArgumentText();

// The real services of this platform, alive as long as the program runs.
struct WindowsPlatform {
    ShellBrowserOpener Browser;
    Win32WindowRaiser Raiser;
    WindowsCodePage AnsiCodePage;

    Platform Services();
};

} // namespace norvil
