#include "output/CardGrid.h"

#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"

QStringView CardGrid::testo(int riga, int colonna) const
{
    if (riga < 0 || riga >= righe() || colonna < 0 || colonna >= Colonne)
        return {};
    const Riga& r = righe_[std::size_t(riga)];
    return QStringView(r.testi).mid(
        r.inizio[std::size_t(colonna)], r.inizio[std::size_t(colonna) + 1] - r.inizio[std::size_t(colonna)]);
}

CardGrid::Riga CardGrid::componi(const std::array<QStringView, Colonne>& testi)
{
    Riga r;
    qsizetype totale = 0;
    for (QStringView t : testi)
        totale += t.size();
    r.testi.reserve(totale);
    for (std::size_t c = 0; c < testi.size(); ++c) {
        r.inizio[c] = int(r.testi.size());
        r.testi += testi[c];
    }
    r.inizio[Colonne] = int(r.testi.size());
    return r;
}

void CardGrid::imposta(int riga, int colonna, QStringView testo)
{
    if (riga < 0 || riga >= righe() || colonna < 0 || colonna >= Colonne)
        return;
    // The new row is built in full before it replaces the old one, whose
    // string the views point into.
    std::array<QStringView, Colonne> testi;
    for (int c = 0; c < Colonne; ++c)
        testi[std::size_t(c)] = c == colonna ? testo : this->testo(riga, c);
    Riga nuova = componi(testi);
    righe_[std::size_t(riga)] = std::move(nuova);
}

void CardGrid::aggiungi(const QList<QString>& testi)
{
    std::array<QStringView, Colonne> viste;
    for (int c = 0; c < Colonne && c < testi.size(); ++c)
        viste[std::size_t(c)] = testi.at(c);
    righe_.push_back(componi(viste));
}

CardGrid CardGrid::load(const Categoria& categoria, const QList<ExportColumn>& colonne)
{
    CardGrid griglia;
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri();
        // Field positions are looked up once, not once per card.
        const Tracciato& tracciato = archivio.tracciato();
        std::array<int, Colonne> indici {};
        for (int c = 0; c < Colonne; ++c)
            indici[std::size_t(c)] = c < colonne.size() ? tracciato.indice(colonne.at(c).campo) : -1;
        const int quante = archivio.Conta();
        griglia.righe_.reserve(std::size_t(quante));
        // Each card's texts are decoded one after the other into one buffer,
        // which the row then copies at its exact size: one allocation per card.
        QString buffer;
        archivio.Scorri([&](int, const VistaScheda& scheda) {
            buffer.resize(0);
            Riga r;
            for (std::size_t c = 0; c < indici.size(); ++c) {
                r.inizio[c] = int(buffer.size());
                scheda.appendText(indici[c], buffer);
            }
            r.inizio[Colonne] = int(buffer.size());
            r.testi = QString(buffer.constData(), buffer.size());
            griglia.righe_.push_back(std::move(r));
            return true;
        });
        archivio.Chiudi();
    } catch (const ErroreArchivio&) {
        // The grid keeps what it has to show; the export refuses to replace
        // an earlier file with an incomplete one.
        griglia.completa_ = false;
    }
    return griglia;
}
