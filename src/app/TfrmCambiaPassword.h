#pragma once

#include "ui/GradientWindow.h"

class FocusHighlight;
class QLabel;
class QLineEdit;
class QPushButton;

// Replaces the access password. Knowing the current one is the condition;
// Enter only moves between the fields, only "OK" confirms.
class TfrmCambiaPassword : public GradientWindow {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {411, 418};
    static constexpr QSize PanelSize {385, 390};

    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

signals:
    // The window closed, after "Chiudi" or a successful change.
    void closed();

protected:
    void showEvent(QShowEvent* event) override; // FormShow
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtChange();
    void cmdOKClick();
    void cmdEsciClick();

    QLabel* imgLogo;
    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    FocusHighlight* effPasswordOld;
    FocusHighlight* effPasswordNew;
    FocusHighlight* effConferma;
    QPushButton* cmdEsci;
    QPushButton* cmdOK;
};
