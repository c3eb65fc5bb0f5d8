#pragma once

#include <QString>
#include <QStringList>

struct Categoria;

// A help topic: a one-line title and a text of paragraphs. The help window
// shows it, and the printable guide is written from the same topics.
struct HelpTopic {
    QString titolo;
    QStringList paragrafi;

    // The paragraphs, one empty line between two of them (CR LF CR LF).
    QString testo() const;
};

namespace HelpTopics {
// The main menu's topic: the program as a whole.
HelpTopic menu();
// The archive screen's topic, the same for every category.
HelpTopic archive();
// The export screen's topic of one category.
HelpTopic exportTopic(const Categoria& categoria);

// The separator between two paragraphs.
inline constexpr char16_t Separator[] = u"\r\n\r\n";
} // namespace HelpTopics
