#pragma once

#include "DesktopBrowserOpener.h"
#include "LocaleCodePage.h"
#include "QtWindowRaiser.h"

#include <QStringList>

namespace norvil {

// The program's own version, set by the build.
ProgramVersion OwnProgramVersion();

// The argument text: the arguments after the program's own name, joined with single blanks.
std::u16string ArgumentTextFrom(const QStringList& arguments);

// The real services of this platform, alive as long as the program runs.
struct UnixPlatform {
    DesktopBrowserOpener Browser;
    QtWindowRaiser Raiser;
    LocaleCodePage AnsiCodePage;

    Platform Services(const QStringList& arguments);
};

} // namespace norvil
