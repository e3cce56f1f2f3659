#pragma once

#include "CheckFakes.h"
#include "FormWindow.h"
#include "LogTextBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

// One run of the real Qt window over the check, with a stand-in transfer and platform, started
// with these words in this language.
struct WindowRun {
    explicit WindowRun(const QString& words, const QString& language = QStringLiteral("ja"))
        : form(std::make_unique<frmMain>(platform.Services(words.toStdU16String(), language.toStdU16String()), window, inet))
    {
        QObject::connect(&window, &FormWindow::Unloaded, [this] { ++unloadedCount; });
        form->Load();
    }

    // The outcome of the check: the file arrives, and the window shows its page.
    void Receive(const char* body)
    {
        form->cTimer1_Timer();
        inet.Complete(body);
    }

    FakePlatform platform;
    FakeInet inet;
    FormWindow window;
    std::unique_ptr<frmMain> form;
    int unloadedCount = 0;
};
