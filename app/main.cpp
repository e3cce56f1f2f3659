#include "frmMain.h"

#ifdef _WIN32
#include "WindowsPlatform.h"
#include <QSslSocket>
#else
#include "UnixPlatform.h"
#endif

#include <QApplication>

int main(int argc, char* argv[])
{
    // Every word of the command line is the caller's: Qt is given the program's path alone, so
    // that it neither removes nor applies words such as -reverse, -style or -platform.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The program ends when its window is unloaded, whether or not it was ever shown.
    app.setQuitOnLastWindowClosed(false);

#ifdef _WIN32
    // TLS through Windows' own Schannel, with the system's certificate store and no OpenSSL to
    // ship; should the plugin be missing, Qt keeps whichever backend it has.
    QSslSocket::setActiveBackend(QStringLiteral("schannel"));
    // Windows hands over the raw command line; the argument text is read from it, not from argv.
    Q_UNUSED(argc);
    norvil::WindowsPlatform platform;
    frmMain form(platform.Services());
#else
    norvil::UnixPlatform platform;
    frmMain form(platform.Services(argc, argv));
#endif
    QObject::connect(&form, &frmMain::Unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    form.Load();
    if (form.IsUnloaded())
        return 0;
    return app.exec();
}
