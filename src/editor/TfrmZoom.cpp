#include "editor/TfrmZoom.h"

#include "platform/Platform.h"
#include "ui/ImageBox.h"
#include "ui/Palette.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

TfrmZoom::TfrmZoom(QWidget* owner)
    : QDialog(owner,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
            | Qt::WindowCloseButtonHint)
    , panContainer(new QWidget(this))
    , imgFoto(new ImageBox(panContainer))
{
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setModal(true);
    setWindowState(Qt::WindowMaximized);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setCursor(Qt::PointingHandCursor);
    panContainer->installEventFilter(this);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    connect(imgFoto, &ImageBox::clicked, this, &QDialog::accept);
}

void TfrmZoom::ImpostaFoto(const QImage& immagine)
{
    imgFoto->setImage(immagine);
}

QImage TfrmZoom::Foto() const
{
    return imgFoto->image();
}

void TfrmZoom::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, Palette::SteelBlue);
    g.setColorAt(1, Qt::white);
    p.fillRect(rect(), g);
}

void TfrmZoom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Sized from the screen, not from the window: the picture gets the room
    // of the whole screen less a margin for the title bar and the edges.
    const QSize schermo = ScreenSize::get();
    const QSize area(qMax(1, schermo.width() - 60), qMax(1, schermo.height() - 90));
    panContainer->resize(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    centra();
}

void TfrmZoom::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    centra();
}

void TfrmZoom::centra()
{
    panContainer->move((width() - panContainer->width()) / 2, (height() - panContainer->height()) / 2);
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panContainer && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // A click on the picture reaches the panel too, once it has closed
        // the window.
        if (isVisible())
            accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
