#include "help/Collegamento.h"

#include "ui/Fonts.h"

#include <QMouseEvent>

const QColor Collegamento::Normale(0x00, 0x00, 0x8B);
const QColor Collegamento::Premuto(0xFF, 0x8C, 0x00);

Collegamento::Collegamento(const QString& testo, QWidget* parent)
    : QLabel(testo, parent)
{
    setObjectName(QStringLiteral("lnkWeb"));
    QFont f = Fonts::verdanaPoints(14);
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    colora(Normale);
    installEventFilter(this);
}

void Collegamento::aggiungiIcona(QWidget* icona)
{
    icona->setCursor(Qt::PointingHandCursor);
    icona->installEventFilter(this);
}

QColor Collegamento::colore() const
{
    return palette().color(QPalette::WindowText);
}

void Collegamento::colora(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

bool Collegamento::eventFilter(QObject* watched, QEvent* event)
{
    auto* parte = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            premuto_ = parte;
            colora(Premuto);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && premuto_) {
            const bool sopra
                = parte == premuto_ && parte->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            premuto_ = nullptr;
            colora(Normale);
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
