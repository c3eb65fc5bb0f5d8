#pragma once

#include "ui/GradientDialog.h"

class LinkLabel;
class QPushButton;

// What the help, information and presentation windows share: a link that
// leads out of the program, beside its icon, and "Chiudi".
class HelpDialog : public GradientDialog {
    Q_OBJECT
public:
    using GradientDialog::GradientDialog;

public Q_SLOTS:
    void btnChiudiClick();
    virtual void lnkWebClick() = 0;

protected:
    // The link: a click on it or on its icon calls lnkWebClick.
    void addLink(const QString& text, const QRect& geometry, QWidget* icon);
    void addClose(const QRect& geometry);

    LinkLabel* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;
};
