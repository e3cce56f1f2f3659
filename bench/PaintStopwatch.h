#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdio>
#include <ctime>

// Prints "<label> <CLOCK_MONOTONIC ns>" now, for a harness that reads the same clock.
inline void PrintTime(const char* label)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%s %lld\n", label, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
}

// Prints the time when the watched widget is first painted, so that a harness that noted the
// same clock before starting the process can tell how long it took. With quit set, the
// application ends right after that paint.
class PaintStopwatch : public QObject {
public:
    PaintStopwatch(QObject* watched, const char* label, bool quit)
        : m_label(label), m_quit(quit)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            PrintTime(m_label);
            if (m_quit)
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char* m_label;
    bool m_quit;
    bool m_done = false;
};
