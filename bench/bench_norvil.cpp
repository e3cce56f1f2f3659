// The program exactly as main.cpp starts it, with stopwatches on the two pages:
//   bench_norvil progress|result Name Ver Url1 Url2 [switches]
// prints when the progress page and the result page are first painted and quits after the one named.

#include "FormWindow.h"
#include "PaintStopwatch.h"
#include "QtInet.h"
#include "UnixPlatform.h"
#include "frmMain.h"

#include <QApplication>

#include <cstring>
#include <vector>

int main(int argc, char* argv[])
{
    const bool untilResult = argc > 1 && std::strcmp(argv[1], "result") == 0;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    app.setQuitOnLastWindowClosed(false);

    // The mode word is not one of the program's.
    std::vector<const char*> words(argv, argv + argc);
    if (words.size() > 1)
        words.erase(words.begin() + 1);
    norvil::UnixPlatform platform;
    FormWindow window;
    QtInet inet;
    frmMain form(platform.Services(static_cast<int>(words.size()), words.data()), window, inet);
    QObject::connect(&window, &FormWindow::Unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    PaintStopwatch progress(window.Widget(norvil::Ctl::fraPage0), "progress", !untilResult);
    PaintStopwatch result(window.Widget(norvil::Ctl::fraPage1), "result", untilResult);

    PrintTime("load"); // the start timer starts at the end of the load
    form.Load();
    if (form.IsUnloaded())
        return 0;
    return app.exec();
}
