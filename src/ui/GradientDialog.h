#pragma once

#include <QColor>
#include <QDialog>

// A modal window of fixed size painted with a vertical gradient, with its
// content on a fixed-size panel centred in it, and no title-bar buttons: it
// closes only through its own buttons. Shown centred on the window that opens
// it (or on the screen when it has none).
class GradientDialog : public QDialog {
    Q_OBJECT
public:
    GradientDialog(
        QWidget* owner, const QColor& top, const QColor& bottom, const QSize& clientSize, const QSize& panelSize);

    QWidget* panel() const { return panel_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape does not close these windows: only their buttons do.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* panel_;
    QColor top_;
    QColor bottom_;
};
