#include "help/HelpDialog.h"

#include "help/Collegamento.h"
#include "ui/Widgets.h"

#include <QPushButton>

void HelpDialog::btnChiudiClick()
{
    accept();
}

void HelpDialog::addLink(const QString& text, const QRect& geometry, QWidget* icon)
{
    lnkWeb = new Collegamento(text, panel());
    lnkWeb->setGeometry(geometry);
    lnkWeb->aggiungiIcona(icon);
    connect(lnkWeb, &Collegamento::clicked, this, &HelpDialog::lnkWebClick);
}

void HelpDialog::addClose(const QRect& geometry)
{
    btnChiudi = Widgets::closeButton(panel(), geometry);
    connect(btnChiudi, &QPushButton::clicked, this, &HelpDialog::btnChiudiClick);
}
