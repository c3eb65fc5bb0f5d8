#include "ui/FocusHighlight.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

FocusHighlight::FocusHighlight(QWidget* field, const QString& objectName, int margin)
    : QWidget(field->parentWidget())
    , field_(field)
    , margin_(margin)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    follow();
    stackUnder(field);
    setVisible(field->hasFocus());
    field->installEventFilter(this);
}

bool FocusHighlight::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_) {
        switch (event->type()) {
        case QEvent::FocusIn:
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusHighlight::follow()
{
    setGeometry(field_->geometry().adjusted(-margin_, -margin_, margin_, margin_));
}

void FocusHighlight::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor yellow(0xFF, 0xE1, 0x3B);
    // The border fades from yellow at the top to white at the bottom.
    QLinearGradient border(0, 0, 0, height());
    border.setColorAt(0, yellow);
    border.setColorAt(1, Qt::white);
    p.setPen(QPen(QBrush(border), 2));
    p.setBrush(yellow);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}
