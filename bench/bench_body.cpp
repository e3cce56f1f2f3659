// Time from a completed response to the result page painted, for bodies of 1 to 8 MiB.
// The body comes over a real socket on 127.0.0.1; the clock starts when the transfer reports
// completion and stops once the window has evaluated the body, logged it and repainted.

#include "FormWindow.h"
#include "LocaleCodePage.h"
#include "QtInet.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct NoBrowser final : norvil::BrowserOpener {
    std::int32_t Open(std::u16string_view) override { return 42; }
};

QByteArray Body(qsizetype size, bool lines)
{
    const QByteArray tail = "<MyApp:2.0>";
    QByteArray body;
    body.reserve(size);
    const QByteArray line = QByteArray(78, 'x') + "\r\n";
    while (body.size() + tail.size() < size)
        body += lines ? line : QByteArray(1, 'x');
    body.truncate(size - tail.size());
    return body + tail;
}

double MeasureOnce(const QByteArray& body, bool debug)
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, [socket, &body] {
            socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                          + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });

    NoBrowser browser;
    norvil::LocaleCodePage codePage("UTF-8");
    const QString url = QStringLiteral("http://127.0.0.1:%1/u").arg(server.serverPort());
    const QString words = QStringLiteral("MyApp 1.0 %1 u2%2").arg(url, debug ? QStringLiteral(" /d") : QString());
    FormWindow window;
    QtInet inet;
    frmMain form({&browser, &codePage, {1, 0}, words.toStdU16String(), u"ja", {}}, window, inet);

    double elapsedMs = -1;
    const auto check = inet.StateChanged;
    inet.StateChanged = [&](std::int16_t state) {
        QElapsedTimer timer;
        timer.start();
        check(state);
        if (state == norvil::Inet::icResponseCompleted) {
            window.repaint();
            elapsedMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        }
    };
    form.Load();
    form.cTimer1_Timer();
    if (!QTest::qWaitFor([&] { return elapsedMs >= 0; }, 60000))
        std::fprintf(stderr, "no response within a minute\n");
    if (!window.Widget(norvil::Ctl::fraPage1)->isVisible())
        std::fprintf(stderr, "the result page was not shown\n");
    return elapsedMs;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = 5;
    std::printf("%-6s %-6s %-13s %s\n", "mode", "MiB", "body", "median ms, completion -> result page painted");
    for (bool debug : {false, true}) {
        for (bool lines : {true, false}) {
            for (int mib : {1, 2, 4, 8}) {
                std::vector<double> times;
                const QByteArray body = Body(qsizetype(mib) * 1024 * 1024, lines);
                for (int i = 0; i < runs; ++i)
                    times.push_back(MeasureOnce(body, debug));
                std::sort(times.begin(), times.end());
                std::printf("%-6s %-6d %-13s %.1f\n", debug ? "/d" : "normal", mib, lines ? "80-col lines" : "one line",
                            times[runs / 2]);
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
