#pragma once

#include "ui/PanelScaler.h"
#include "ui/WindowScale.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QScreen;
class QScrollArea;
class QWidget;

// Keeps a window's fixed panel fitted to the screen the window is on. The
// window asks for the fit when it shows; the fit asks the window again
// (changed()) when the window goes to another screen or that screen's
// available area changes. Nothing is touched while the design size fits.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    ScreenFit(QWidget* window, QWidget* panel, const QSize& panelDesign);

    // The client size the window needs whole at factor 1.
    void setDesign(const QSize& clientDesign) { design_ = clientDesign; }

    // Decides the factor from the window's screen and scales the panel to
    // it; true when the factor or the scrolling changed.
    bool refit();

    qreal factor() const { return fit_.factor; }
    bool scrolls() const { return fit_.scrolls; }
    // The client area the screen leaves the window.
    QSize room() const;
    // The window's client size at the current factor, no larger than the
    // room when it scrolls.
    QSize clientSize() const;
    // Puts the panel at `panelRect`, or, while the window scrolls, the
    // scrolling view of it over `area`.
    void place(const QRect& panelRect, const QRect& area);
    // Moves the window's frame inside its screen's available area, when it
    // reaches beyond it.
    void keepOnScreen();

Q_SIGNALS:
    void changed();

private:
    QScreen* screen() const;
    void watch();
    void setScrolling(bool on);

    QWidget* window_;
    QWidget* panel_;
    PanelScaler scaler_;
    QSize design_;
    WindowScale::Fit fit_;
    qreal dpr_ = 1.0;
    QScrollArea* scroll_ = nullptr;
    bool panelFills_ = false;
    bool handleWatched_ = false;
    QPointer<QScreen> watchedScreen_;
    QMetaObject::Connection screenConnection_;
};
