#pragma once

#include "DesktopBrowserOpener.h"
#include "LocaleCodePage.h"

#include <string>
#include <vector>

namespace norvil {

// The argument text: argv[1] on, exactly as delivered, joined with single blanks.
std::u16string ArgumentTextFrom(int argc, const char* const* argv);

// The user's own language as POSIX sets it: the first of LC_ALL, LC_MESSAGES and LANG that is
// set and not empty; none when none is.
std::vector<std::u16string> UserLanguages();

// The real services of this platform, alive as long as the program runs.
struct UnixPlatform {
    DesktopBrowserOpener Browser;
    LocaleCodePage AnsiCodePage;

    Platform Services(int argc, const char* const* argv);
};

} // namespace norvil
