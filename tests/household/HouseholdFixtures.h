#pragma once

#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <QTableView>
#include <QTest>

#include <initializer_list>
#include <utility>

namespace fixtures {

inline const Categoria& cat(const char* chiave)
{
    return *Catalogo::PerChiave(QString::fromLatin1(chiave));
}

// A card with the given fields ("Numero", "DataSca"...).
inline Scheda card(const Categoria& c, std::initializer_list<std::pair<const char*, const char*>> fields)
{
    Scheda s(c.tipo);
    for (const auto& [name, text] : fields)
        s.imposta(name, QString::fromUtf8(text));
    return s;
}

// An unpaid bill due on `due` for `amount`.
inline Scheda bill(const Categoria& c, const char* numero, const char* due, const char* amount = "10,00")
{
    return card(c, {{"Numero", numero}, {"DataSca", due}, {"Prezzo", amount}, {"Segnala", "S\u00EC"}});
}

inline void append(const Categoria& c, std::initializer_list<Scheda> cards)
{
    TArchivioSchede a(c);
    a.Apri(TArchivioSchede::Accesso::Scrittura);
    for (const Scheda& s : cards)
        a.Aggiungi(s);
    a.Chiudi();
}

inline void rewrite(const Categoria& c, int n, const Scheda& s)
{
    TArchivioSchede a(c);
    a.Apri(TArchivioSchede::Accesso::Scrittura);
    a.Riscrivi(n, s);
    a.Chiudi();
}

// The cells of a table, row by row, columns joined by " | ".
inline QStringList cells(const QAbstractItemModel* m)
{
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m->columnCount(); ++c)
            row << m->index(r, c).data().toString();
        rows << row.join(QStringLiteral(" | "));
    }
    return rows;
}

// A double-click of the mouse on a row's first cell.
inline void doubleClickRow(QTableView* table, int row)
{
    const QModelIndex cell = table->model()->index(row, 0);
    table->scrollTo(cell);
    const QPoint at = table->visualRect(cell).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

} // namespace fixtures
