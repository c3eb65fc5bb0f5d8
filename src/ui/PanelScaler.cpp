#include "ui/PanelScaler.h"

#include "ui/FocusHighlight.h"
#include "ui/ScaledPicture.h"
#include "ui/WindowScale.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QChildEvent>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

const char* const FactorProperty = "panelScaleFactor";
const char* const DesignProperty = "panelDesignGeometry";

// Children the program placed by hand, as opposed to the inner parts of a
// composite control, which its own layout places.
bool placedByHand(const QWidget* container)
{
    return !container->layout() && !container->inherits("QAbstractScrollArea")
        && !container->inherits("QAbstractSpinBox") && !container->inherits("QComboBox")
        && !container->inherits("QCalendarWidget") && !container->inherits("QLineEdit")
        && !container->inherits("QAbstractButton");
}

bool isPart(const QObject* o)
{
    if (!o->isWidgetType())
        return false;
    const auto* w = static_cast<const QWidget*>(o);
    // A highlight follows its field by itself; a window is not a part.
    return !w->isWindow() && !w->objectName().startsWith(QLatin1String("qt_"))
        && !qobject_cast<const FocusHighlight*>(w);
}

} // namespace

PanelScaler::PanelScaler(QWidget* panel, const QSize& designSize)
    : panel_(panel)
    , designSize_(designSize)
{ }

qreal PanelScaler::factorOf(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        const QVariant f = w->property(FactorProperty);
        if (f.isValid())
            return f.toReal();
        if (w->isWindow())
            break;
    }
    return 1.0;
}

QRect PanelScaler::designGeometryOf(const QWidget* w)
{
    if (factorOf(w) == 1.0)
        return {};
    return w->property(DesignProperty).toRect();
}

void PanelScaler::collect(QWidget* container)
{
    containers_.insert(container);
    container->installEventFilter(this);
    for (QObject* o : container->children()) {
        if (!isPart(o))
            continue;
        auto* w = static_cast<QWidget*>(o);
        adopt(w);
        if (placedByHand(w))
            collect(w);
    }
}

void PanelScaler::adopt(QWidget* w)
{
    Part part;
    part.widget = w;
    part.geometry = w->geometry();
    part.ownFont = w->testAttribute(Qt::WA_SetFont);
    part.font = w->font();
    // A style sheet fixes a widget's font when it is polished, so a styled
    // part does not follow its box either.
    part.classFont = !part.ownFont
        && (!w->styleSheet().isEmpty() || (w->parentWidget() && w->font() != w->parentWidget()->font()));
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        part.iconSize = b->iconSize();
    if (auto* l = qobject_cast<QLabel*>(w))
        part.stretchesPicture = !l->hasScaledContents() && !l->pixmap().isNull() && !ScaledPicture::redraws(l);
    part.shownGeometry = part.geometry;
    part.shownFont = part.font;
    parts_.insert(w, part);
    w->installEventFilter(this);
}

QFont PanelScaler::scaledFont(const QFont& design, const QWidget* w) const
{
    QFont f = design;
    if (factor_ == 1.0)
        return f;
    // Fractional sizes keep the text in proportion with its box.
    if (design.pixelSize() > 0)
        f.setPointSizeF(design.pixelSize() * factor_ * 72.0 / qMax(1, w->logicalDpiY()));
    else
        f.setPointSizeF(design.pointSizeF() * factor_);
    f.setResolveMask(QFont::AllPropertiesResolved);
    return f;
}

void PanelScaler::place(Part& part)
{
    QWidget* w = part.widget;
    if (!w)
        return;
    part.shownGeometry = WindowScale::scaled(part.geometry, factor_);
    // Before it moves: what follows it (a focus highlight) reads it then.
    w->setProperty(DesignProperty, part.geometry);
    w->setGeometry(part.shownGeometry);
    if (part.ownFont || (part.classFont && factor_ != 1.0)) {
        part.shownFont = scaledFont(part.font, w);
        w->setFont(part.shownFont);
    } else if (part.classFont) {
        // Back to the font of its class.
        w->setFont(QFont());
        part.shownFont = w->font();
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && part.iconSize.isValid())
        b->setIconSize(WindowScale::scaled(part.iconSize, factor_));
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (part.stretchesPicture)
            l->setScaledContents(factor_ != 1.0);
        fitText(part, l);
    }
    ScaledPicture::refresh(w, part.geometry.size(), factor_, dpr_);
}

void PanelScaler::fitText(Part& part, QLabel* label)
{
    // Fonts do not shrink exactly in proportion: a line that fits its label
    // at the design size can be a few pixels too long drawn smaller. Such a
    // line gets a font a little smaller still, so that it is never cut.
    const bool ownFont = part.ownFont || part.classFont;
    if (part.fitted && !ownFont)
        label->setFont(QFont());
    part.fitted = false;
    const QString text = label->text();
    if (factor_ == 1.0 || label->wordWrap() || text.isEmpty() || Qt::mightBeRichText(text))
        return;
    const int room = label->contentsRect().width();
    const int designRoom = part.geometry.width() - (label->width() - room);
    // Within a pixel counts as fitting, as it looks whole.
    if (QFontMetricsF(part.font).horizontalAdvance(text) > designRoom + 1)
        return;
    QFont f = label->font();
    if (f.pointSizeF() <= 0)
        return;
    bool smaller = false;
    while (QFontMetricsF(f).horizontalAdvance(text) > room && f.pointSizeF() > 2) {
        f.setPointSizeF(f.pointSizeF() - 0.25);
        smaller = true;
    }
    if (!smaller)
        return;
    part.fitted = true;
    part.shownFont = f;
    label->setFont(f);
}

void PanelScaler::apply(qreal factor, qreal dpr)
{
    if (factor == factor_ && (dpr == dpr_ || factor == 1.0))
        return;
    dpr_ = dpr;
    if (!collected_) {
        collected_ = true;
        panelOwnFont_ = panel_->testAttribute(Qt::WA_SetFont);
        panelFont_ = panel_->font();
        collect(panel_);
    }
    applying_ = true;
    factor_ = factor;
    panel_->setProperty(FactorProperty, factor_);
    // The panel's font first: the parts without a font of their own follow it.
    if (factor_ == 1.0)
        panel_->setFont(panelOwnFont_ ? panelFont_ : QFont());
    else
        panel_->setFont(scaledFont(panelFont_, panel_));
    for (Part& part : parts_)
        place(part);
    applying_ = false;
    panel_->update();
}

bool PanelScaler::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        // A part added after the design was read: taken in when it is
        // polished, fully built, just before it shows.
        if (containers_.contains(watched)) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType() && !parts_.contains(child)) {
                pending_.insert(child);
                child->installEventFilter(this);
            }
        }
        break;
    case QEvent::ChildRemoved:
        pending_.remove(static_cast<QChildEvent*>(event)->child());
        parts_.remove(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::Polish:
        if (pending_.remove(watched) && isPart(watched)) {
            auto* w = static_cast<QWidget*>(watched);
            adopt(w);
            if (placedByHand(w))
                collect(w);
            applying_ = true;
            place(parts_[w]);
            applying_ = false;
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (!applying_) {
            auto it = parts_.find(watched);
            if (it != parts_.end() && it->widget && it->widget->geometry() != it->shownGeometry) {
                it->geometry = it->widget->geometry();
                applying_ = true;
                place(*it);
                applying_ = false;
            }
        }
        break;
    case QEvent::FontChange:
        if (!applying_) {
            auto it = parts_.find(watched);
            if (it != parts_.end() && it->widget && it->widget->testAttribute(Qt::WA_SetFont)
                && it->widget->font() != it->shownFont) {
                it->ownFont = true;
                it->classFont = false;
                it->font = it->widget->font();
                applying_ = true;
                place(*it);
                applying_ = false;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
