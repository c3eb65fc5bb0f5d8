#pragma once

#include "report/Report.h"

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

class QWidget;

// The printed record card: one A4 portrait page with the card number in a
// title box, the photo, the amount, every other field in a captioned box, the
// notes and the date and time of printing. Positions are whole millimetres
// from the corner of the printable area.
namespace report {

// What the card print takes from the archive screen, as plain data.
struct CardData {
    QString category; // category key: "Luce", "Tasse", "Acquisti"...
    QMap<QString, QString> fields; // record field name ("Numero", "DataEmi"...) -> the edit box's text
    QImage photo; // the picture on display; the window supplies the placeholder
};

// "Scheda Bolletta" (Luce, Gas, Acqua, Rifiuti, Telefono), "Scheda Pagamento"
// (Varie, Tasse, Automezzi, Condominio) or "Scheda Acquisti". A key that is
// none of these gets the bill card.
QString cardTemplateName(const QString& category);

// The value objects of the category's card ("txtNumero", "txtDataEmi"...), in
// the order they are filled; each takes the field named without "txt".
QStringList cardValueObjects(const QString& category);

// The card template of a category, with its own placeholder texts.
Report cardTemplate(const QString& category);

// Fills a card template: portrait page, the photo, every value object from the
// trimmed field text (a missing field prints empty), and the footer "Stampa
// eseguita in data dd/mm/yyyy alle ore hh:mm:ss" from Clock.
void fillCard(Report& r, const CardData& card);

// cardTemplate + fillCard + prepare.
Report prepareCard(const CardData& card);

// prepareCard, then the print dialog and the printer; false when cancelled.
bool printCard(QWidget* parent, const CardData& card);

// The blue euro sign the card prints beside the amount (transparent background).
QImage euroPicture(int size = 128);

} // namespace report
