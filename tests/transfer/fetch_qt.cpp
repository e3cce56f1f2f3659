// One request through the Qt transfer, for the transfer table (transfer_test.py):
//   norvil_fetch URL TIMEOUT_SECONDS [--cancel] [--ca PEMFILE]
// prints "decodes <codings>", then "error <code> <info>" or "completed <body as hex>"; with
// --cancel, "cancelled" at the first body bytes and "late <state>" for anything that still comes.

#include "QtInet.h"

#include <QCoreApplication>
#include <QFile>
#include <QSslConfiguration>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Say(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    if (argc < 3)
        return 2;
    const QString url = QString::fromLocal8Bit(argv[1]);
    const int timeout = std::atoi(argv[2]);
    bool cancel = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cancel") == 0) {
            cancel = true;
        } else if (std::strcmp(argv[i], "--ca") == 0 && i + 1 < argc) {
            // Trusted as a system would trust a real authority.
            QFile ca(QString::fromLocal8Bit(argv[++i]));
            if (!ca.open(QIODevice::ReadOnly))
                return 2;
            QSslConfiguration config = QSslConfiguration::defaultConfiguration();
            config.addCaCertificate(QSslCertificate(ca.readAll()));
            QSslConfiguration::setDefaultConfiguration(config);
        }
    }

    QByteArrayList codings;
    for (const std::string& coding : QtInet::DecodedCodings())
        codings.append(QByteArray::fromStdString(coding));
    Say("decodes " + codings.join(','));

    QtInet inet(nullptr, timeout);
    bool cancelled = false;
    inet.StateChanged = [&](std::int16_t state) {
        if (cancelled) {
            Say("late " + QByteArray::number(state));
        } else if (cancel && state == norvil::Inet::icReceivingResponse) {
            inet.Cancel();
            cancelled = true;
            Say("cancelled");
            QTimer::singleShot((timeout + 1) * 1000, &app, &QCoreApplication::quit);
        } else if (state == norvil::Inet::icError) {
            Say("error " + QByteArray::number(inet.ResponseCode()) + ' ' + QString::fromStdU16String(inet.ResponseInfo()).toUtf8());
            app.quit();
        } else if (state == norvil::Inet::icResponseCompleted) {
            QByteArray body;
            for (std::string piece; !(piece = inet.GetChunk(1024, norvil::Inet::icByteArray)).empty();)
                body += QByteArray::fromStdString(piece);
            Say("completed " + body.toHex());
            app.quit();
        }
    };
    inet.Execute(url.toStdU16String(), u"GET");
    return app.exec();
}
