#include "frmMain.h"
#include "UnixPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program ends when its window is unloaded, whether or not it was ever shown.
    app.setQuitOnLastWindowClosed(false);

    norvil::UnixPlatform platform;
    frmMain form(platform.Services(QCoreApplication::arguments()));
    QObject::connect(&form, &frmMain::Unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    form.Load();
    if (form.IsUnloaded())
        return 0;
    return app.exec();
}
