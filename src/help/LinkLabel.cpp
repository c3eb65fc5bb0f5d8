#include "help/LinkLabel.h"

#include "ui/Fonts.h"

#include <QMouseEvent>

const QColor LinkLabel::Normal(0x00, 0x00, 0x8B);
const QColor LinkLabel::Pressed(0xFF, 0x8C, 0x00);

LinkLabel::LinkLabel(const QString& testo, QWidget* parent)
    : QLabel(testo, parent)
{
    setObjectName(QStringLiteral("lnkWeb"));
    QFont f = Fonts::verdanaPoints(14);
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    colora(Normal);
    installEventFilter(this);
}

void LinkLabel::addIcon(QWidget* icona)
{
    icona->setCursor(Qt::PointingHandCursor);
    icona->installEventFilter(this);
}

QColor LinkLabel::colore() const
{
    return palette().color(QPalette::WindowText);
}

void LinkLabel::colora(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

bool LinkLabel::eventFilter(QObject* watched, QEvent* event)
{
    auto* parte = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            premuto_ = parte;
            colora(Pressed);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && premuto_) {
            const bool sopra
                = parte == premuto_ && parte->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            premuto_ = nullptr;
            colora(Normal);
            if (sopra)
                Q_EMIT clicked();
            return true;
        }
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}
