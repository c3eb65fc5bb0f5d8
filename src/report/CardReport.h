#pragma once

#include "report/Report.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QWidget;

// The printed record card: one A4 portrait page with the card number in a
// title box, the photo, the amount, every other field in a captioned box, the
// notes and the date and time of printing. Positions are whole millimetres
// from the corner of the printable area.
namespace Reports {

// A caption that a kind of card words differently from the bill card, and
// the value object it frames when that differs too.
struct CardCaption {
    QString caption; // caption object, e.g. "Memo7"
    QString text; // e.g. "DATA DECORRENZA:"
    QString value; // e.g. "txtTel"; empty: the bill card's value object
};

// What differs from one kind of card to another, given by the caller; a
// default one is the bill card.
struct CardLayout {
    QString templateName = QStringLiteral("Scheda Bolletta");
    QString numberPlaceholder = QStringLiteral("Numero Bolletta"); // the template's text in txtNumero
    QList<CardCaption> captions;
};

// What the card print takes from the archive screen, as plain data.
struct CardData {
    CardLayout layout;
    QMap<QString, QString> fields; // record field name ("Numero", "DataEmi"...) -> the text to print
    QImage photo; // the picture on display; the window supplies the placeholder
};

// The value objects of the card ("txtNumero", "txtDataEmi"...), in the order
// they are filled; each takes the field named without "txt".
QStringList cardValueObjects(const CardLayout& layout);

// The card template of a layout, with its own placeholder texts.
Report cardTemplate(const CardLayout& layout);

// Fills a card template: portrait page, the photo, every value object from its
// field's text as given (the caller trims it by the record texts' rule; a
// missing field prints empty), and the footer "Stampa
// eseguita in data dd/mm/yyyy alle ore hh:mm:ss" from Clock.
void fillCard(Report& r, const CardData& card);

// cardTemplate + fillCard + prepare.
Report prepareCard(const CardData& card);

// prepareCard, then the print dialog and the printer; false when cancelled.
bool printCard(QWidget* parent, const CardData& card);

// The blue euro sign the card prints beside the amount (transparent background).
QImage euroPicture(int size = 128);

} // namespace Reports
