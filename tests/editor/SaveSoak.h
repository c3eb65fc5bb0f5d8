#pragma once

// What the save soak writes: cards and photos that name their writer, their
// index and their version, shared by save_worker (which types them into an
// archive screen and saves) and by the test that checks the result.

#include "archive/Categoria.h"
#include "archive/Tracciato.h"

#include <QColor>
#include <QDate>
#include <QImage>

#include <optional>

namespace soak {

// Card `i` of writer `chi` after `versione` rewrites (0: as first saved).
// Every field the archive screen shows is filled, each with its own text.
inline Scheda scheda(const Categoria& c, const QString& chi, int i, int versione)
{
    Scheda s(c.tipo);
    const Tracciato& t = s.tracciato();
    for (int k = 0; k < t.campi(); ++k) {
        const QLatin1StringView nome(t.nome(k));
        QString testo;
        if (nome == QLatin1StringView("Prezzo"))
            testo = QStringLiteral("%1,%2").arg(i).arg(versione % 100, 2, 10, QLatin1Char('0'));
        else if (nome.startsWith(QLatin1StringView("Data")))
            testo = QDate(2024, 1, 1).addDays(i + 7 * versione + k).toString(QStringLiteral("dd/MM/yyyy"));
        else if (nome == QLatin1StringView("Segnala"))
            testo = (i + versione) % 2 ? QStringLiteral("Sì") : QStringLiteral("No");
        else if (nome == QLatin1StringView("File01"))
            testo = QStringLiteral("%1_%2.pdf").arg(chi).arg(i);
        else if (nome == QLatin1StringView("Desc01"))
            testo = QStringLiteral("versione %1").arg(versione);
        else if (!nome.startsWith(QLatin1StringView("File")) && !nome.startsWith(QLatin1StringView("Desc")))
            testo = QStringLiteral("%1.%2.%3.%4").arg(chi).arg(i).arg(versione).arg(nome);
        s.imposta(k, testo);
    }
    return s;
}

// Who a photo says it belongs to.
struct Firma {
    QString chi; // one Latin-1 letter
    int i = 0;
    int versione = 0;
    bool operator==(const Firma& o) const { return chi == o.chi && i == o.i && versione == o.versione; }
    bool operator!=(const Firma& o) const { return !(*this == o); }
};

// The photo of card `i` of writer `chi`, version `versione`: 32 bits (the
// writer's letter, 16 bits of index, 8 of version) as black and white 8 x 8
// squares. JPEG codes each square as one flat block, so the bits come
// through the compression unchanged.
constexpr int Lato = 8;
constexpr QSize Dimensione(8 * Lato, 4 * Lato);

inline QImage foto(const QString& chi, int i, int versione)
{
    const quint32 bit
        = quint32(chi.at(0).toLatin1() & 0xFF) << 24 | quint32(i & 0xFFFF) << 8 | quint32(versione & 0xFF);
    QImage img(Dimensione, QImage::Format_RGB32);
    for (int k = 0; k < 32; ++k) {
        const QRgb colore = (bit >> (31 - k)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        for (int y = 0; y < Lato; ++y)
            for (int x = 0; x < Lato; ++x)
                img.setPixel((k % 8) * Lato + x, (k / 8) * Lato + y, colore);
    }
    return img;
}

// The signature a photo carries; nothing when it is not a soak photo.
inline std::optional<Firma> leggi(const QImage& img)
{
    if (img.size() != Dimensione)
        return std::nullopt;
    quint32 bit = 0;
    for (int k = 0; k < 32; ++k) {
        const int grigio = qGray(img.pixel((k % 8) * Lato + Lato / 2, (k / 8) * Lato + Lato / 2));
        if (grigio > 64 && grigio < 192)
            return std::nullopt; // neither black nor white: not ours, or damaged
        bit = bit << 1 | (grigio >= 192 ? 1u : 0u);
    }
    return Firma {QString(QLatin1Char(char(bit >> 24))), int(bit >> 8 & 0xFFFF), int(bit & 0xFF)};
}

} // namespace soak
