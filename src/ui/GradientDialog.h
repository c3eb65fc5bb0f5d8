#pragma once

#include <QColor>
#include <QDialog>

class ScreenFit;

// A modal window of fixed size painted with a vertical gradient, with its
// content on a fixed-size panel centred in it, and no title-bar buttons: it
// closes only through its own buttons. Shown centred on the window that opens
// it (or on the screen when it has none). Where the screen cannot hold it at
// its design size, its content is drawn smaller to fit (see ScreenFit).
class GradientDialog : public QDialog {
    Q_OBJECT
public:
    GradientDialog(
        QWidget* owner, const QColor& top, const QColor& bottom, const QSize& clientSize, const QSize& panelSize);

    QWidget* panel() const { return panel_; }
    // The factor the content is drawn at on the window's screen.
    qreal scaleFactor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Escape does not close these windows: only their buttons do.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitToScreen();
    void placePanel();

    QWidget* panel_;
    ScreenFit* fit_;
    QRect panelDesign_;
    bool fitting_ = false;
    QColor top_;
    QColor bottom_;
};
