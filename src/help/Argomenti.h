#pragma once

#include <QString>
#include <QStringList>

struct Categoria;

// A help topic: a one-line title and a text of paragraphs. The help window
// shows it, and the printable guide is written from the same topics.
struct ArgomentoGuida {
    QString titolo;
    QStringList paragrafi;

    // The paragraphs, one empty line between two of them (CR LF CR LF).
    QString testo() const;
};

namespace Argomenti {
// The main menu's topic: the program as a whole.
ArgomentoGuida Menu();
// The archive screen's topic, the same for every category.
ArgomentoGuida Archivio();
// The export screen's topic of one category.
ArgomentoGuida Esportazione(const Categoria& categoria);

// The separator between two paragraphs.
inline constexpr char16_t Separatore[] = u"\r\n\r\n";
} // namespace Argomenti
