#include "ui/FocusHighlight.h"

#include "ui/PanelScaler.h"
#include "ui/WindowScale.h"

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
    // In a panel drawn smaller the rectangle is the design's, drawn smaller
    // as the field is: its margin shrinks with it.
    const QRect design = PanelScaler::designGeometryOf(field_);
    if (design.isValid())
        setGeometry(
            WindowScale::scaled(design.adjusted(-margin_, -margin_, margin_, margin_), PanelScaler::factorOf(this)));
    else
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
    const qreal factor = PanelScaler::factorOf(this);
    const qreal line = 2 * factor;
    p.setPen(QPen(QBrush(border), line));
    p.setBrush(yellow);
    p.drawRoundedRect(QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2), 3 * factor, 3 * factor);
}
