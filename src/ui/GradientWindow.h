#pragma once

#include <QColor>
#include <QWidget>

class ScreenFit;

// A top-level window painted with a vertical gradient, whose content sits on
// a fixed-size panel kept centred in the window whatever its size.
// Two shapes: fixed-size windows with no title-bar buttons, centred on the
// screen (login, change password), and maximised ones with a design size for
// when they are restored (main menu, archive screens).
// Where the screen the window is on cannot hold the panel at its design
// size, the panel is drawn smaller to fit it (see ScreenFit).
class GradientWindow : public QWidget {
    Q_OBJECT
public:
    GradientWindow(const QColor& top, const QColor& bottom, const QSize& panelSize, QWidget* parent = nullptr);

    QWidget* panel() const { return panel_; }

    // Fixed client size, title bar without buttons, centred on the screen
    // the first time it is shown.
    void makeFixed(const QSize& clientSize);
    // The size of the window when it is not maximised.
    void setDesignSize(const QSize& size);
    QSize designSize() const { return designSize_; }
    // Fills the panel with the window's gradient too, over the panel's height.
    void setPanelGradient(bool on);
    // The factor the panel is drawn at on the window's screen.
    qreal scaleFactor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void centrePanel();
    void fitToScreen();

    QWidget* panel_;
    ScreenFit* fit_;
    QColor top_;
    QColor bottom_;
    QSize designSize_;
    bool fixed_ = false;
    bool centredOnce_ = false;
    bool fitting_ = false;
};
