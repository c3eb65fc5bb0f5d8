#include "WindowCamera.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

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
