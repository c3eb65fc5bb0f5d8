#include "help/HelpDialog.h"

#include "help/LinkLabel.h"
#include "ui/Widgets.h"

#include <QPushButton>

void HelpDialog::btnChiudiClick()
{
    accept();
}

void HelpDialog::addLink(const QString& text, const QRect& geometry, QWidget* icon)
{
    lnkWeb = new LinkLabel(text, panel());
    lnkWeb->setGeometry(geometry);
    lnkWeb->addIcon(icon);
    connect(lnkWeb, &LinkLabel::clicked, this, &HelpDialog::lnkWebClick);
}

void HelpDialog::addClose(const QRect& geometry)
{
    btnChiudi = Widgets::closeButton(panel(), geometry);
    connect(btnChiudi, &QPushButton::clicked, this, &HelpDialog::btnChiudiClick);
}
