#include "ui/GradientDialog.h"

#include "ui/Drawing.h"
#include "ui/ScreenFit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

GradientDialog::GradientDialog(
    QWidget* owner, const QColor& top, const QColor& bottom, const QSize& clientSize, const QSize& panelSize)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , panel_(new QWidget(this))
    , fit_(new ScreenFit(this, panel_, panelSize))
    , top_(top)
    , bottom_(bottom)
{
    setModal(true);
    setFixedSize(clientSize);
    panel_->setObjectName(QStringLiteral("panPannello"));
    panelDesign_
        = QRect(QPoint((clientSize.width() - panelSize.width()) / 2, (clientSize.height() - panelSize.height()) / 2),
            panelSize);
    panel_->setGeometry(panelDesign_);
    fit_->setDesign(clientSize);
    connect(fit_, &ScreenFit::changed, this, &GradientDialog::fitToScreen);
}

qreal GradientDialog::scaleFactor() const
{
    return fit_->factor();
}

void GradientDialog::fitToScreen()
{
    if (fitting_)
        return;
    fitting_ = true;
    if (fit_->refit()) {
        setFixedSize(fit_->clientSize());
        placePanel();
        if (isVisible())
            fit_->keepOnScreen();
    }
    fitting_ = false;
}

void GradientDialog::placePanel()
{
    fit_->place(WindowScale::scaled(panelDesign_, fit_->factor()), rect());
}

void GradientDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The frame's size is known only once the window is on screen.
    if (isVisible())
        fitToScreen();
}

void GradientDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Drawing::fillVertical(p, rect(), top_, bottom_);
}

void GradientDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    fitToScreen();
    QRect area;
    if (QWidget* w = parentWidget())
        area = w->window()->frameGeometry();
    else if (QScreen* s = screen())
        area = s->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
    fit_->keepOnScreen();
}

void GradientDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
