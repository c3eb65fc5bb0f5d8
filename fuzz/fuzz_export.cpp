// The spreadsheet file written from arbitrary cell texts: every byte is a
// Windows-1252 character, no control byte (so no line break) gets in, a cell
// can never open or close markup, no reference names a character XML
// forbids, and reading a cell back from the file (character references
// resolved) gives its trimmed text, with U+FFFD for what XML forbids.

#include "FuzzSupport.h"

#include "archive/Categoria.h"
#include "output/CardGrid.h"
#include "output/ExportColumns.h"
#include "output/Spreadsheet.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QStringDecoder>

#include <cstdio>
#include <cstdlib>

namespace {

// Bytes that may not stand raw in the file: the controls (line breaks
// included), DEL, and the five bytes that Windows-1252 leaves undefined.
bool byteVietato(unsigned char b)
{
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// Characters XML 1.0 allows in no form, not even as a reference.
bool vietatoInXml(char32_t c)
{
    return (c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r') || c == 0xFFFE || c == 0xFFFF;
}

// What the file should give back for a cell: its trimmed text, with half a
// surrogate pair, which stands for nothing, and a character XML forbids as
// the replacement character.
QString testoAtteso(QStringView testo)
{
    const QString t = FuzzSupport::senzaBianchi(testo.toString());
    QString s;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
            s += t[i];
            s += t[++i];
        } else if (t[i].isSurrogate() || vietatoInXml(t[i].unicode())) {
            s += QChar(QChar::ReplacementCharacter);
        } else {
            s += t[i];
        }
    }
    return s;
}

// A cell's bytes as a reader of the file sees them: Windows-1252, then the
// character references. Every "&" must start one of the references the
// writer makes; anything else fails.
QString leggiCella(const QByteArray& contenuto)
{
    for (const char b : contenuto) {
        FUZZ_CHECK(b != '<' && b != '>');
        FUZZ_CHECK(!byteVietato(static_cast<unsigned char>(b)));
    }
    // One decoder for the whole run: opening one costs more than a cell.
    static QStringDecoder cp1252("windows-1252");
    const QString testo = cp1252.decode(contenuto);
    FUZZ_CHECK(!cp1252.hasError());
    QString s;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] != QLatin1Char('&')) {
            s += testo[i];
            continue;
        }
        const qsizetype fine = testo.indexOf(QLatin1Char(';'), i);
        FUZZ_CHECK(fine > i);
        const QStringView nome = QStringView(testo).mid(i + 1, fine - i - 1);
        if (nome == QLatin1String("amp")) {
            s += QLatin1Char('&');
        } else if (nome == QLatin1String("lt")) {
            s += QLatin1Char('<');
        } else if (nome == QLatin1String("gt")) {
            s += QLatin1Char('>');
        } else {
            FUZZ_CHECK(nome.size() >= 2 && nome.size() <= 8 && nome[0] == QLatin1Char('#'));
            char32_t codice = 0;
            for (const QChar c : nome.mid(1)) {
                FUZZ_CHECK(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
                codice = codice * 10 + char32_t(c.unicode() - '0');
            }
            FUZZ_CHECK(codice <= 0x10FFFF && !vietatoInXml(codice));
            if (QChar::requiresSurrogates(codice)) {
                s += QChar(QChar::highSurrogate(codice));
                s += QChar(QChar::lowSurrogate(codice));
            } else {
                s += QChar(char16_t(codice));
            }
        }
        i = fine;
    }
    return s;
}

// The fuzzer's text cut into cells at each "|": an even first byte picks the
// category and reads the rest as UTF-8, an odd one as UTF-16.
struct Foglio {
    const Categoria* categoria;
    QList<ExportColumn> colonne;
    QList<QStringList> righe;
};

Foglio foglioDa(const std::uint8_t* data, std::size_t size)
{
    const QList<Categoria>& tutte = Catalogo::Tutte();
    Foglio f;
    f.categoria = &tutte.at(size == 0 ? 0 : (data[0] / 2) % tutte.size());
    f.colonne = ExportColumns::of(*f.categoria);
    QStringList celle = FuzzSupport::testo(data, size).split(QLatin1Char('|'));
    // The first cell names one column's header too.
    if (!celle.isEmpty() && !f.colonne.isEmpty())
        f.colonne[celle.size() % f.colonne.size()].intestazioneFile = celle.first();
    for (qsizetype i = 0; i < celle.size(); i += CardGrid::Colonne)
        f.righe.append(celle.mid(i, CardGrid::Colonne));
    return f;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!QStringDecoder("windows-1252").isValid()) {
        std::fprintf(stderr, "this Qt cannot decode Windows-1252\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Foglio f = foglioDa(data, size);

    CardGrid griglia;
    for (const QStringList& riga : f.righe)
        griglia.aggiungi(riga);
    // An edit in the grid replaces one cell and keeps the rest of its row.
    if (!f.righe.isEmpty()) {
        const int colonna = int(f.righe.first().size() - 1);
        const QString nuovo = f.righe.last().first();
        griglia.imposta(0, colonna, nuovo);
        f.righe.first()[colonna] = nuovo;
    }
    FUZZ_CHECK(griglia.righe() == f.righe.size());
    for (int r = 0; r < griglia.righe(); ++r) {
        for (int c = 0; c < CardGrid::Colonne; ++c)
            FUZZ_CHECK(griglia.testo(r, c) == f.righe[r].value(c));
    }

    const QByteArray file = Spreadsheet::content(*f.categoria, f.colonne, griglia);
    for (const char b : file)
        FUZZ_CHECK(!byteVietato(static_cast<unsigned char>(b)));

    // The same sheet with every cell empty is the frame around the cells: the
    // file must be that frame with each cell's text where the cell is. It
    // depends only on the category and the number of rows, and each writing
    // takes a large buffer, so frames are kept.
    static QHash<QPair<const Categoria*, int>, QByteArray> cornici;
    QByteArray& modello = cornici[qMakePair(f.categoria, griglia.righe())];
    if (modello.isEmpty()) {
        QList<ExportColumn> senzaTitoli = ExportColumns::of(*f.categoria);
        for (ExportColumn& c : senzaTitoli)
            c.intestazioneFile.clear();
        CardGrid vuota;
        for (int r = 0; r < griglia.righe(); ++r)
            vuota.aggiungi({});
        modello = Spreadsheet::content(*f.categoria, senzaTitoli, vuota);
    }

    QStringList attesi;
    for (const ExportColumn& c : f.colonne)
        attesi.append(testoAtteso(c.intestazioneFile));
    const int perRiga = qMin(int(f.colonne.size()), CardGrid::Colonne);
    for (int r = 0; r < griglia.righe(); ++r) {
        for (int c = 0; c < perRiga; ++c)
            attesi.append(testoAtteso(griglia.testo(r, c)));
    }

    static const QByteArray fineCella = "</td>";
    qsizetype m = 0; // in the frame
    qsizetype p = 0; // in the file
    for (const QString& atteso : attesi) {
        const qsizetype fineModello = modello.indexOf(fineCella, m);
        FUZZ_CHECK(fineModello >= 0);
        const QByteArray prima = modello.mid(m, fineModello - m);
        FUZZ_CHECK(file.mid(p, prima.size()) == prima);
        p += prima.size();
        const qsizetype fineFile = file.indexOf(fineCella, p);
        FUZZ_CHECK(fineFile >= 0);
        FUZZ_CHECK(leggiCella(file.mid(p, fineFile - p)) == atteso);
        m = fineModello + fineCella.size();
        p = fineFile + fineCella.size();
    }
    FUZZ_CHECK(modello.indexOf(fineCella, m) < 0);
    FUZZ_CHECK(file.mid(p) == modello.mid(m));
    return 0;
}
