#include "WindowCamera.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryFile>
#include <QWidget>

void WindowCamera::useScreens(const char* screens)
{
    // The platform reads the file when the application starts; it lives as
    // long as the program.
    static QTemporaryFile file;
    if (!file.open())
        return;
    file.write(QByteArray(R"({"screens":[)") + screens + "]}");
    file.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file.fileName()));
}

void WindowCamera::settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

QImage WindowCamera::take(QWidget& window, const QSize& size)
{
    if (!window.isVisible()) {
        if (size.isValid())
            window.resize(size);
        window.show();
        window.activateWindow();
    }
    settle();
    return window.grab().toImage();
}
