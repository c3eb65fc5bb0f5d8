#pragma once

#include "archive/Categoria.h"
#include "archive/FieldText.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>

// One field of a record layout: its name (the archive screen's control
// without its prefix) and its width W. The field takes W + 1 bytes: a length
// byte and W bytes of text.
struct CampoTracciato {
    const char* nome;
    int larghezza;
};

namespace Tracciati {

// Bills, payments and taxes: nine categories.
inline constexpr CampoTracciato TSchedaBolletta[] = {
    {"Numero", 50},
    {"DataEmi", 10},
    {"Beneficiario", 120},
    {"CC", 50},
    {"DataSca", 10},
    {"Periodo", 120},
    {"DataPag", 10},
    {"Causale", 120},
    {"Consumi", 120},
    {"Modalita", 120},
    {"Estremi", 120},
    {"Pagatore", 120},
    {"CodFisc", 16},
    {"CodCliente", 50},
    {"Note", 250},
    {"Prezzo", 15},
    {"Segnala", 2},
    {"File01", 250},
    {"File02", 250},
    {"File03", 250},
    {"Desc01", 250},
    {"Desc02", 250},
    {"Desc03", 250},
};

// Purchases.
inline constexpr CampoTracciato TSchedaAcquisto[] = {
    {"Numero", 50},
    {"DataEmi", 10},
    {"Attivita", 120},
    {"Email", 50},
    {"Tel", 50},
    {"Sito", 120},
    {"Garanzia", 120},
    {"Prodotti", 250},
    {"Dettagli", 250},
    {"Modalita", 120},
    {"Documenti", 250},
    {"Pagatore", 120},
    {"CodFisc", 16},
    {"CodCliente", 50},
    {"Note", 250},
    {"Prezzo", 15},
    {"Segnala", 2},
    {"File01", 250},
    {"File02", 250},
    {"File03", 250},
    {"Desc01", 250},
    {"Desc02", 250},
    {"Desc03", 250},
};

// Records are packed: a record is as long as its fields together.
template <std::size_t N> constexpr int dimensione(const CampoTracciato (&campi)[N])
{
    int totale = 0;
    for (const auto& c : campi)
        totale += c.larghezza + 1;
    return totale;
}

// Where each field starts (its length byte), from the widths.
template <std::size_t N> constexpr std::array<int, N> posizioni(const CampoTracciato (&campi)[N])
{
    std::array<int, N> p {};
    int offset = 0;
    for (std::size_t i = 0; i < N; ++i) {
        p[i] = offset;
        offset += campi[i].larghezza + 1;
    }
    return p;
}

// The files written so far have these sizes; changing a width breaks them.
static_assert(dimensione(TSchedaBolletta) == 2826, "bill records are 2826 bytes");
static_assert(dimensione(TSchedaAcquisto) == 3366, "purchase records are 3366 bytes");

} // namespace Tracciati

// The two texts of a card's "Da pagare" mark (field Segnala). A card is still
// to be paid when its mark, trimmed, is exactly Yes.
namespace Flag {
inline const QString Yes = QStringLiteral("S\u00EC");
inline const QString No = QStringLiteral("No");
} // namespace Flag

// A record layout, looked up by the category's Tipo.
class Tracciato {
public:
    static const Tracciato& di(Tipo tipo);

    Tipo tipo() const { return tipo_; }
    int dimensione() const { return dimensione_; } // record size in bytes
    int campi() const { return n_; } // number of fields

    // Field i, 0 <= i < campi(), in file order.
    const char* nome(int i) const { return campi_[i].nome; }
    int larghezza(int i) const { return campi_[i].larghezza; }
    int offset(int i) const { return offset_[i]; } // of the length byte

    // Exact, case-sensitive; -1 when the layout has no such field.
    int indice(QAnyStringView nome) const;

private:
    Tracciato(Tipo tipo, const CampoTracciato* campi, const int* offset, int n, int dimensione)
        : tipo_(tipo)
        , campi_(campi)
        , offset_(offset)
        , n_(n)
        , dimensione_(dimensione)
    { }

    Tipo tipo_;
    const CampoTracciato* campi_;
    const int* offset_;
    int n_;
    int dimensione_;
};

// A read-only look at one record's bytes where they already are (a block
// read from the file): decodes single fields without copying the record.
// It is valid only as long as the bytes it points at.
class VistaScheda {
public:
    VistaScheda(const Tracciato& tracciato, const char* dati)
        : tracciato_(&tracciato)
        , dati_(dati)
    { }

    const Tracciato& tracciato() const { return *tracciato_; }
    const char* dati() const { return dati_; } // tracciato().dimensione() bytes

    // Field i (resolve names once with Tracciato::indice when scanning).
    QString testo(int i) const;
    // By name; empty for a name the layout does not have.
    QString testo(QAnyStringView campo) const;
    // Field i, 0 <= i < campi(), trimmed, as the bytes where the record is.
    FieldText::FieldBytes bytes(int i) const
    {
        return FieldText::trimmedBytes(dati_ + tracciato_->offset(i), tracciato_->larghezza(i));
    }
    // Field i's text appended to `out`, for building one string from many fields.
    void appendText(int i, QString& out) const;

private:
    const Tracciato* tracciato_;
    const char* dati_;
};

// One record: exactly its bytes, in its layout. A new record is all zeros,
// which every field reads as an empty text.
class Scheda {
public:
    explicit Scheda(Tipo tipo);
    // A copy of the record whose tracciato-sized bytes start at dati.
    Scheda(Tipo tipo, const char* dati);
    explicit Scheda(const VistaScheda& vista)
        : Scheda(vista.tracciato().tipo(), vista.dati())
    { }

    const Tracciato& tracciato() const { return *tracciato_; }
    Tipo tipo() const { return tracciato_->tipo(); }
    const QByteArray& byte() const { return byte_; } // always tracciato().dimensione() bytes

    // Field to text (trimmed). A name that the layout does not have gives an
    // empty text: screens build records from their controls by name, and
    // the two layouts do not have the same fields.
    QString testo(QAnyStringView campo) const;
    QString testo(int i) const;
    // Text to field (trimmed, cut to the width). A name that the layout does
    // not have is ignored.
    void imposta(QAnyStringView campo, const QString& testo);
    void imposta(int i, const QString& testo);

    VistaScheda vista() const { return VistaScheda(*tracciato_, byte_.constData()); }

    friend bool operator==(const Scheda& a, const Scheda& b)
    {
        return a.tracciato_ == b.tracciato_ && a.byte_ == b.byte_;
    }
    friend bool operator!=(const Scheda& a, const Scheda& b) { return !(a == b); }

private:
    const Tracciato* tracciato_;
    QByteArray byte_;
};
