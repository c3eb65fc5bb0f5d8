#pragma once

#include "ui/GradientWindow.h"

class FocusHighlight;
class QLabel;
class QLineEdit;
class QPushButton;

// The login window, the first window of the program. The store is read anew
// at every attempt, so a password changed meanwhile is in force at once.
class TfrmPassword : public GradientWindow {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {388, 405};
    static constexpr QSize PanelSize {360, 378};

    explicit TfrmPassword(QWidget* parent = nullptr);

    // Back from the change-password window: the field emptied, the window
    // shown and the focus in the field.
    void comeBack();

signals:
    void accessGranted();
    void changePasswordRequested();
    // "Esci", or the window closed in any other way: the program ends.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override; // FormShow
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtPasswordChange();
    void txtPasswordEnter();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

    QLabel* imgLogo;
    QLabel* lblMessaggio;
    QLineEdit* txtPassword;
    FocusHighlight* effPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;
};
