#include "ui/ScreenFit.h"

#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <QWindow>

ScreenFit::ScreenFit(QWidget* window, QWidget* panel, const QSize& panelDesign)
    : QObject(window)
    , window_(window)
    , panel_(panel)
    , scaler_(panel, panelDesign)
    , design_(panelDesign)
{ }

QScreen* ScreenFit::screen() const
{
    // A window not shown yet opens on the screen of the window that owns it.
    if (!window_->isVisible())
        if (QWidget* owner = window_->parentWidget())
            return owner->window()->screen();
    return window_->screen();
}

QSize ScreenFit::room() const
{
    QScreen* s = screen();
    if (!s)
        return {};
    const QMargins frame = window_->windowHandle() ? window_->windowHandle()->frameMargins() : QMargins();
    return WindowScale::room(s->availableGeometry(), frame);
}

void ScreenFit::watch()
{
    if (!handleWatched_ && window_->windowHandle()) {
        handleWatched_ = true;
        connect(window_->windowHandle(), &QWindow::screenChanged, this, &ScreenFit::changed);
    }
    QScreen* s = screen();
    if (s != watchedScreen_) {
        disconnect(screenConnection_);
        watchedScreen_ = s;
        if (s)
            screenConnection_ = connect(s, &QScreen::availableGeometryChanged, this, &ScreenFit::changed);
    }
}

bool ScreenFit::refit()
{
    watch();
    const WindowScale::Fit fit = WindowScale::fit(design_, room());
    QScreen* s = screen();
    const qreal dpr = s ? s->devicePixelRatio() : 1.0;
    // Pictures drawn smaller are drawn for the screen's pixels too.
    if (fit.factor == fit_.factor && fit.scrolls == fit_.scrolls && (dpr == dpr_ || fit.factor == 1.0))
        return false;
    fit_ = fit;
    dpr_ = dpr;
    scaler_.apply(fit_.factor, dpr_);
    panel_->setFixedSize(WindowScale::scaled(scaler_.designSize(), fit_.factor));
    setScrolling(fit_.scrolls);
    return true;
}

QSize ScreenFit::clientSize() const
{
    const QSize whole = WindowScale::scaled(design_, fit_.factor);
    return fit_.scrolls ? whole.boundedTo(room()) : whole;
}

void ScreenFit::setScrolling(bool on)
{
    if (on == (scroll_ != nullptr))
        return;
    if (on) {
        panelFills_ = panel_->autoFillBackground();
        scroll_ = new QScrollArea(window_);
        scroll_->setObjectName(QStringLiteral("scrPannello"));
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setAlignment(Qt::AlignCenter);
        scroll_->setAutoFillBackground(false);
        scroll_->viewport()->setAutoFillBackground(false);
        scroll_->setWidget(panel_);
        // The view lets the window's own background show around the panel.
        panel_->setAutoFillBackground(panelFills_);
        scroll_->show();
    } else {
        scroll_->takeWidget();
        panel_->setParent(window_);
        panel_->setAutoFillBackground(panelFills_);
        panel_->show();
        delete scroll_;
        scroll_ = nullptr;
    }
}

void ScreenFit::place(const QRect& panelRect, const QRect& area)
{
    if (scroll_)
        scroll_->setGeometry(area);
    else
        panel_->move(panelRect.topLeft());
}

void ScreenFit::keepOnScreen()
{
    QScreen* s = screen();
    if (!s || fit_.factor == 1.0)
        return;
    const QRect area = s->availableGeometry();
    const QRect frame = window_->frameGeometry();
    QPoint at = frame.topLeft();
    at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() + 1 - frame.width())));
    at.setY(qBound(area.top(), at.y(), qMax(area.top(), area.bottom() + 1 - frame.height())));
    if (at != frame.topLeft())
        window_->move(at);
}
