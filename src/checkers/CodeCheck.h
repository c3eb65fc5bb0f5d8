#pragma once

#include <QString>

class QWidget;

// The check button beside the payer's code: a trimmed code made only of
// digits (and not empty) is a partita IVA, anything else a codice fiscale.
// Opens the right check window owned by `owner` with the trimmed code in its
// edit, modally, and returns when it has closed and gone.
void openCodeCheck(QWidget* owner, const QString& codice);

enum class CheckKind { CodiceFiscale, PartitaIva };
CheckKind checkKindOf(const QString& codice);
