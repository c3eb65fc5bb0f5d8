#include "ui/Widgets.h"

#include "ui/Fonts.h"
#include "ui/ShapeBox.h"

#include <QComboBox>
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

namespace Widgets {

ShapeBox* box(
    QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill, const QColor& border, qreal radius)
{
    auto* b = new ShapeBox(parent, fill, border, 1, radius);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

QLabel* picture(QWidget* parent, const QString& name, const QPixmap& pixmap, const QRect& geometry)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(pixmap);
    l->setGeometry(geometry);
    return l;
}

QLabel* picture(QWidget* parent, const QString& name, const PicturePainter& paint, const QRect& geometry)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    ScaledPicture::show(l, paint);
    l->setGeometry(geometry);
    return l;
}

QComboBox* comboBox(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    c->setFont(Fonts::verdana(12));
    c->setCursor(Qt::PointingHandCursor);
    return c;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels, bool bold,
    const QColor& colour)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFont(Fonts::verdana(pixels, bold));
    l->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(colour.name()));
    return l;
}

QLabel* paragraph(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels,
    bool bold, const QColor& colour)
{
    QLabel* l = label(parent, name, text, geometry, pixels, bold, colour);
    l->setWordWrap(true);
    return l;
}

QLabel* memory(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("lblMemory"));
    l->hide();
    return l;
}

QLineEdit* searchEdit(QWidget* parent, const QString& name, const QRect& geometry)
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

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setFont(Fonts::verdana(pixels, true));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QPushButton* plainButton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels)
{
    QPushButton* b = button(parent, name, text, geometry, pixels);
    b->setAutoDefault(false);
    return b;
}

QPushButton* closeButton(QWidget* parent, const QRect& geometry)
{
    return button(parent, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), geometry, 13);
}

QPushButton* iconButton(QWidget* parent, const QString& name, const QString& text, Icon icon, const QRect& geometry)
{
    QPushButton* b = plainButton(parent, name, text, geometry, 13);
    ScaledPicture::show(b, [icon] { return IconPictures::draw(icon, QSize(24, 24)); });
    b->setIconSize(QSize(24, 24));
    b->setDefault(false);
    b->installEventFilter(new EnterPresses(b));
    return b;
}

void enterMovesTo(QLineEdit* edit, QWidget* next)
{
    edit->installEventFilter(new EnterMoves(edit, next));
}

} // namespace Widgets
