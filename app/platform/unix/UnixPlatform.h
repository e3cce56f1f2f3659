#pragma once

#include "DesktopBrowserOpener.h"
#include "LocaleCodePage.h"
#include "QtWindowRaiser.h"

namespace norvil {

// The program's own version, set by the build.
ProgramVersion OwnProgramVersion();

// The argument text: argv[1] on, exactly as delivered, joined with single blanks.
std::u16string ArgumentTextFrom(int argc, const char* const* argv);

// The real services of this platform, alive as long as the program runs.
struct UnixPlatform {
    DesktopBrowserOpener Browser;
    QtWindowRaiser Raiser;
    LocaleCodePage AnsiCodePage;

    Platform Services(int argc, const char* const* argv);
};

} // namespace norvil
