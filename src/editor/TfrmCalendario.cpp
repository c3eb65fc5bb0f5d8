#include "editor/TfrmCalendario.h"

#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "platform/Platform.h"
#include "ui/Fonts.h"
#include "ui/Formats.h"
#include "ui/Palette.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>

TfrmCalendario::TfrmCalendario(QWidget* owner)
    : GradientDialog(owner, Qt::white, Palette::SteelBlue, QSize(253, 294), QSize(230, 266))
{
    Formats::apply();
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));

    auto* titolo = new QLabel(QStringLiteral("Importare una data:"), panel());
    titolo->setObjectName(QStringLiteral("lblRigo01"));
    titolo->setGeometry(12, 6, 206, 22);
    QFont f = Fonts::verdana(13, true);
    titolo->setFont(f);

    Widgets::box(
        panel(), QStringLiteral("shpCalendario"), QRect(12, 32, 206, 188), QColor(0xD6, 0xDC, 0xE1), Qt::white, 4);

    calAppuntamenti = new QCalendarWidget(panel());
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(24, 44, 182, 164);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    calAppuntamenti->setGridVisible(false);
    QFont fc = Fonts::verdana(10);
    calAppuntamenti->setFont(fc);
    calAppuntamenti->setSelectedDate(Clock::today());

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), panel());
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(12, 230, 96, 28);
    btnImportaData = new QPushButton(QStringLiteral("Importa"), panel());
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnImportaData->setGeometry(122, 230, 96, 28);
    btnImportaData->setAutoDefault(false);
    btnAnnulla->setAutoDefault(false);
    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);

    lblMemory = Widgets::memory(panel());

    setTabOrder(calAppuntamenti, btnImportaData);
    setTabOrder(btnImportaData, btnAnnulla);
    calAppuntamenti->setFocus();
}

void TfrmCalendario::ImpostaTag(const QString& tag)
{
    lblMemory->setText(tag);
}

void TfrmCalendario::btnImportaDataClick()
{
    const DataTag tag = Catalogo::PerTagData(lblMemory->text());
    if (!tag.categoria)
        return;
    TfrmArchivio* schermo = TfrmArchivio::PerSigla(tag.categoria->Sigla);
    if (!schermo)
        return;
    schermo->ScriviData(tag.campo, calAppuntamenti->selectedDate().toString(Formats::ShortDate));
    accept();
}

void TfrmCalendario::btnAnnullaClick()
{
    reject();
}
