#include "ui/GradientDialog.h"

#include "ui/Drawing.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

GradientDialog::GradientDialog(
    QWidget* owner, const QColor& top, const QColor& bottom, const QSize& clientSize, const QSize& panelSize)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , panel_(new QWidget(this))
    , top_(top)
    , bottom_(bottom)
{
    setModal(true);
    setFixedSize(clientSize);
    panel_->setObjectName(QStringLiteral("panPannello"));
    panel_->setGeometry(
        QRect(QPoint((clientSize.width() - panelSize.width()) / 2, (clientSize.height() - panelSize.height()) / 2),
            panelSize));
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
    QRect area;
    if (QWidget* w = parentWidget())
        area = w->window()->frameGeometry();
    else if (QScreen* s = screen())
        area = s->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void GradientDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
