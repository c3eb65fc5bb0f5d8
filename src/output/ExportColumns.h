#pragma once

#include <QList>
#include <QString>

struct Categoria;

// One exported column of a category: the record field it shows, its header
// and width in the export window's grid and in the spreadsheet file, and
// whether the user may change it in the grid before exporting.
struct ExportColumn {
    QString campo;
    QString intestazione;
    int larghezza;
    QString intestazioneFile;
    int larghezzaFile;
    bool modificabile;
};

namespace ExportColumns {
// The grid's first column: the card number, never exported.
inline const QString NumberHeader = QStringLiteral("N.");
inline constexpr int NumberWidth = 60;

// The seventeen exported columns of a category, in grid and file order (the
// amount comes before the notes).
QList<ExportColumn> of(const Categoria& categoria);
} // namespace ExportColumns
