#include "search/SearchLook.h"
#include "ui/Palette.h"

#include "ui/Fonts.h"
#include "ui/ShapeBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

bool isEnter(const QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(e)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Enter on a focused button presses it.
class EnterPresses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (isEnter(e)) {
            if (auto* b = qobject_cast<QPushButton*>(watched); b && b->isEnabled())
                b->click();
            return true;
        }
        return false;
    }
};

// Enter in an edit box moves the focus, and goes no further (the dialog
// would otherwise look for a default button).
class EnterMoves : public QObject {
public:
    EnterMoves(QObject* parent, QWidget* next)
        : QObject(parent)
        , next_(next)
    { }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (!isEnter(e))
            return false;
        next_->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QWidget* next_;
};

} // namespace

namespace SearchLook {

ShapeBox* box(QWidget* parent, const QRect& geometry, const QColor& fill, bool border)
{
    auto* b = new ShapeBox(parent, fill, border ? Palette::BoxBorder : QColor(), 1, 4);
    b->setGeometry(geometry);
    b->lower();
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, const QColor& colour,
    int pixelSize)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFont(Fonts::verdana(pixelSize, true));
    l->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(colour.name()));
    return l;
}

QLineEdit* edit(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    e->setFont(Fonts::verdana(13, true));
    e->setFrame(false);
    e->setStyleSheet(QStringLiteral("QLineEdit { background: #F0F8FF; color: black; border: 1px solid #87CEEB; "
                                    "padding: 0 3px; }"
                                    "QLineEdit:focus { background: white; border: 1px solid #C9A400; }"));
    return e;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, Icona icon, const QRect& geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setFont(Fonts::verdana(13, true));
    b->setIcon(Icone::disegna(icon, QSize(24, 24)));
    b->setIconSize(QSize(24, 24));
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->installEventFilter(new EnterPresses(b));
    return b;
}

void enterMovesTo(QLineEdit* edit, QWidget* next)
{
    edit->installEventFilter(new EnterMoves(edit, next));
}

} // namespace SearchLook
