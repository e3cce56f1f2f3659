#pragma once

#include "PlatformServices.h"
#include "frmMain.h"

#ifdef _WIN32
#include "WindowsCodePage.h"
#else
#include "LocaleCodePage.h"
#endif

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

// Stand-ins for the platform's services: nothing opens a real browser or raises a real window,
// and the update files are read as UTF-8 by the platform's own converter.
struct FakePlatform final : norvil::BrowserOpener, norvil::WindowRaiser {
    std::int32_t Open(std::u16string_view url) override
    {
        Opened.append(QString::fromUtf16(url.data(), static_cast<qsizetype>(url.size())));
        return Result;
    }
    void BringToTop(std::uintptr_t windowHandle) override
    {
        ++Raised;
        RaisedHandle = windowHandle;
    }

    std::int32_t Result = 42; // what the browser opener answers
    QStringList Opened;
    int Raised = 0;
    std::uintptr_t RaisedHandle = 0;
#ifdef _WIN32
    norvil::WindowsCodePage AnsiCodePage{65001};
#else
    norvil::LocaleCodePage AnsiCodePage{"UTF-8"};
#endif
};

// Which page the window shows: "none" (still the progress page), "update", "latest" or "failure".
inline QString PageOf(const frmMain& form)
{
    if (!form.fraPage[1]->isVisibleTo(&form))
        return QStringLiteral("none");
    if (form.cmdOK->isVisibleTo(&form))
        return QStringLiteral("update");
    return form.lblMsg2->text() == frmMain::tr("最新バージョンはありません。") ? QStringLiteral("latest") : QStringLiteral("failure");
}

// One run of the real window, started with these words.
class WindowRun : public QObject {
public:
    explicit WindowRun(const QString& argumentText, int requestTimeoutSeconds = 60)
        : form(std::make_unique<frmMain>(norvil::Platform{&platform, &platform, &platform.AnsiCodePage, {1, 0},
                                                          argumentText.toStdU16String()},
                                         nullptr, requestTimeoutSeconds))
    {
        form->installEventFilter(this);
        connect(form.get(), &frmMain::Unloaded, this, [this] { ++unloadedCount; });
        form->Load();
    }

    // The start timer's single tick, without waiting its second.
    void Tick() { form->cTimer1_Timer(); }

    // Waits, within a bound, until the check has an outcome: a result page or the end.
    bool WaitForOutcome(int timeoutMs = 10000)
    {
        return QTest::qWaitFor([this] { return form->fraPage[1]->isVisibleTo(form.get()) || form->IsUnloaded(); }, timeoutMs);
    }

    QStringList LogLines() const
    {
        QStringList lines = form->LogText().split(QStringLiteral("\r\n"));
        lines.removeLast(); // the text ends with CR LF
        return lines;
    }

    FakePlatform platform;
    std::unique_ptr<frmMain> form;
    int shownCount = 0;
    int unloadedCount = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == form.get() && event->type() == QEvent::Show)
            ++shownCount;
        return QObject::eventFilter(watched, event);
    }
};
