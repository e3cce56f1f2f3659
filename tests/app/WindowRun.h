#pragma once

#include "FakePlatform.h"
#include "frmMain.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QObject>
#include <QTest>

#include <memory>

// Which page the window shows: "none" (still the progress page), "update", "latest" or "failure".
inline QString PageOf(const frmMain& form)
{
    if (!form.fraPage[1]->isVisibleTo(&form))
        return QStringLiteral("none");
    if (form.cmdOK->isVisibleTo(&form))
        return QStringLiteral("update");
    return form.lblMsg2->text() == frmMain::tr("最新バージョンはありません。") ? QStringLiteral("latest")
                                                                            : QStringLiteral("failure");
}

// One run of the real window with stand-in platform services.
class WindowRun : public QObject {
public:
    explicit WindowRun(const QString& argumentText, int requestTimeoutSeconds = 60)
        : form(std::make_unique<frmMain>(platform.Services(argumentText), nullptr, requestTimeoutSeconds))
    {
        form->installEventFilter(this);
        connect(form.get(), &frmMain::Unloaded, this, [this] { ++unloadedCount; });
        form->Load();
    }

    // The start timer's single tick, without waiting its second.
    void Tick() { form->cTimer1_Timer(); }

    bool ResultShown() const { return form->fraPage[1]->isVisibleTo(form.get()); }

    // Waits, within a bound, until the check has an outcome: a result page or the end.
    bool WaitForOutcome(int timeoutMs = 10000)
    {
        return QTest::qWaitFor([this] { return ResultShown() || form->IsUnloaded(); }, timeoutMs);
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
