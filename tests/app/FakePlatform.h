#pragma once

#include "PlatformServices.h"
#ifdef _WIN32
#include "WindowsCodePage.h"
#else
#include "LocaleCodePage.h"
#endif

#include <QStringList>

#include <string>

// Stand-ins for the platform services: nothing opens a real browser in a test.
struct FakeBrowserOpener final : norvil::BrowserOpener {
    std::int32_t Open(std::u16string_view url) override
    {
        Opened.append(QString::fromUtf16(url.data(), static_cast<qsizetype>(url.size())));
        return Result;
    }
    std::int32_t Result = 42;
    QStringList Opened;
};

struct FakeWindowRaiser final : norvil::WindowRaiser {
    void BringToTop(std::uintptr_t windowHandle) override
    {
        ++Calls;
        LastHandle = windowHandle;
    }
    int Calls = 0;
    std::uintptr_t LastHandle = 0;
};

struct FakePlatform {
    FakeBrowserOpener Browser;
    FakeWindowRaiser Raiser;
    // The platform's own converter, reading the update files as UTF-8.
#ifdef _WIN32
    norvil::WindowsCodePage AnsiCodePage{65001};
#else
    norvil::LocaleCodePage AnsiCodePage{"UTF-8"};
#endif

    norvil::Platform Services(const QString& argumentText)
    {
        return {&Browser, &Raiser, &AnsiCodePage, {1, 0}, argumentText.toStdU16String()};
    }
};
