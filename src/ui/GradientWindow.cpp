#include "ui/GradientWindow.h"

#include "ui/Drawing.h"
#include "ui/ScreenFit.h"

#include <QPainter>
#include <QScreen>
#include <QShowEvent>

namespace {
// The panel: transparent unless asked to repeat the window's gradient.
class Panel : public QWidget {
public:
    Panel(const QColor& top, const QColor& bottom, QWidget* parent)
        : QWidget(parent)
        , top_(top)
        , bottom_(bottom)
    { }
    bool gradient = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!gradient)
            return;
        QPainter p(this);
        Drawing::fillVertical(p, rect(), top_, bottom_);
    }

private:
    QColor top_;
    QColor bottom_;
};
} // namespace

GradientWindow::GradientWindow(const QColor& top, const QColor& bottom, const QSize& panelSize, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , panel_(new Panel(top, bottom, this))
    , fit_(new ScreenFit(this, panel_, panelSize))
    , top_(top)
    , bottom_(bottom)
{
    panel_->setObjectName(QStringLiteral("panPannello"));
    panel_->setFixedSize(panelSize);
    resize(panelSize);
    connect(fit_, &ScreenFit::changed, this, &GradientWindow::fitToScreen);
}

qreal GradientWindow::scaleFactor() const
{
    return fit_->factor();
}

void GradientWindow::makeFixed(const QSize& clientSize)
{
    fixed_ = true;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(clientSize);
    designSize_ = clientSize;
    fit_->setDesign(clientSize);
}

void GradientWindow::setDesignSize(const QSize& size)
{
    designSize_ = size;
    resize(size);
}

void GradientWindow::setPanelGradient(bool on)
{
    static_cast<Panel*>(panel_)->gradient = on;
    panel_->update();
}

void GradientWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Drawing::fillVertical(p, rect(), top_, bottom_);
}

void GradientWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The frame's size is known only once the window is on screen.
    if (isVisible())
        fitToScreen();
    centrePanel();
    update();
}

void GradientWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        fitToScreen();
    centrePanel();
    if (fixed_ && !centredOnce_ && !event->spontaneous()) {
        centredOnce_ = true;
        if (QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        fit_->keepOnScreen();
    }
}

void GradientWindow::fitToScreen()
{
    if (fitting_)
        return;
    fitting_ = true;
    if (fit_->refit()) {
        if (fixed_)
            setFixedSize(fit_->clientSize());
        else if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            resize(WindowScale::scaled(designSize_.isValid() ? designSize_ : size(), fit_->factor())
                       .boundedTo(fit_->room()));
        centrePanel();
        if (isVisible())
            fit_->keepOnScreen();
    }
    fitting_ = false;
}

void GradientWindow::centrePanel()
{
    // A screen smaller than the panel keeps its top left corner in view.
    const int x = qMax(0, (width() - panel_->width()) / 2);
    const int y = qMax(0, (height() - panel_->height()) / 2);
    fit_->place(QRect(QPoint(x, y), panel_->size()), rect());
}
