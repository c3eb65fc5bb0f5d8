#pragma once

#include <QList>
#include <QString>

struct Categoria;

// One exported column of a category: the record field it shows, its header
// and width in the export window's grid and in the spreadsheet file, and
// whether the user may change it in the grid before exporting.
struct ColonnaExport {
    QString campo;
    QString intestazione;
    int larghezza;
    QString intestazioneFile;
    int larghezzaFile;
    bool modificabile;
};

namespace ColonneExport {
// The grid's first column: the card number, never exported.
inline const QString IntestazioneNumero = QStringLiteral("N.");
inline constexpr int LarghezzaNumero = 60;

// The seventeen exported columns of a category, in grid and file order (the
// amount comes before the notes).
QList<ColonnaExport> di(const Categoria& categoria);
} // namespace ColonneExport
