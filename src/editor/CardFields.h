#pragma once

#include "archive/Categoria.h"

#include <QList>
#include <QString>

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
