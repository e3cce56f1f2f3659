#include "FormWindow.h"
#include "QtInet.h"
#include "UnixPlatform.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Every word of the command line is the caller's: Qt is given the program's path alone, so
    // that it neither removes nor applies words such as -reverse, -style or -platform.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The program ends when its window is unloaded, whether or not it was ever shown.
    app.setQuitOnLastWindowClosed(false);

    norvil::UnixPlatform platform;
    FormWindow window;
    QtInet inet;
    frmMain form(platform.Services(argc, argv), window, inet);
    QObject::connect(&window, &FormWindow::Unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    form.Load();
    if (form.IsUnloaded())
        return 0;
    return app.exec();
}
