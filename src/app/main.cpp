#include "app/AppWindows.h"
#include "platform/Platform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Before anything writes a file: a file-size limit must fail a write, not end the program.
    ProcessStart::prepare();
    // Drawing goes through the software renderer wherever the toolkit would
    // otherwise use the graphics card.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    // The program takes no arguments: the toolkit sees only the program's name.
    int toolkitArgc = argc > 0 ? 1 : 0;
    char* toolkitArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    // The program ends when the windows say so, not when the last one hides.
    QApplication::setQuitOnLastWindowClosed(false);

    AppWindows windows;
    QObject::connect(&windows, &AppWindows::ended, &app, [] { QCoreApplication::exit(0); });
    windows.start();
    return app.exec();
}
