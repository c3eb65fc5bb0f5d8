#pragma once

#include "archive/Categoria.h"
#include "archive/Tracciato.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The field slots of the archive screen, without widgets: where each field
// stands, which record field it shows and how it is edited.

enum class FieldKind {
    Text,
    Date, // read-only; Enter or a click opens the date picker
    Amount,
    TaxCode // kept trimmed and in capitals
};

struct FieldSlot {
    QString control; // the edit's object name, "txtNumero"
    QString field; // the record field it shows, "Numero"
    QString label; // the label's object name; empty: no label
    int x = 0;
    int y = 0;
    int width = 0;
    FieldKind kind = FieldKind::Text;
};

// The slots of a layout in tab order; Enter in a field moves to the next one,
// the last to the first. The purchases layout shows other fields, all of
// them plain text, in some of the bills' slots, keeping the slot's place and
// label component.
QList<FieldSlot> fieldSlots(Tipo tipo);

// A card as texts, by record field name ("Numero", "Segnala", "File01").
using FieldTexts = QHash<QString, QString>;

// The record the texts make; fields not named are blank, names the layout
// lacks are ignored.
Scheda recordFromTexts(Tipo tipo, const FieldTexts& texts);
// Every field of the record, as text.
FieldTexts textsFromRecord(const Scheda& scheda);

// The "Da pagare" box: ticked for the stored yes, cleared for the stored no;
// any other stored text leaves the box as it was.
std::optional<bool> flagTicked(const QString& text);
QString flagText(bool ticked);

// The record fields of the attachment slots 1 to 3.
QString attachmentFileField(int slot);
QString attachmentDescField(int slot);
