#pragma once

#include "output/ExportColumns.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

struct Categoria;

// What the export window's grid holds: one row per card, in file order, with
// the texts of the seventeen exported columns. The user may change cells of
// the editable columns; nothing of it ever goes back to the record file.
//
// Each row keeps its texts in one string, so an archive of many thousands of
// cards costs one allocation per card rather than one per cell.
class CardGrid {
public:
    static constexpr int Colonne = 17;

    int righe() const { return int(righe_.size()); }
    // Column 0 to 16 of the exported columns (the grid's columns 1 to 17).
    QStringView testo(int riga, int colonna) const;
    void imposta(int riga, int colonna, QStringView testo);
    // A new last row; texts beyond the seventeenth are ignored, missing ones are empty.
    void aggiungi(const QList<QString>& testi);
    void svuota() { righe_.clear(); }

    // Every card of the category's record file (created empty when there is
    // none), each field trimmed. A failure ends the reading quietly: the rows
    // read so far are kept, and the grid is not complete.
    static CardGrid load(const Categoria& categoria, const QList<ExportColumn>& colonne);

    // Whether every card of the file is in the grid: false when loading
    // failed part way or could not start.
    bool completa() const { return completa_; }

private:
    struct Riga {
        QString testi;
        std::array<int, Colonne + 1> inizio {}; // where each text starts; the last entry is the end
    };
    static Riga componi(const std::array<QStringView, Colonne>& testi);
    std::vector<Riga> righe_;
    bool completa_ = true;
};
