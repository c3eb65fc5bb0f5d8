#pragma once

#include "archive/Tracciato.h"
#include "editor/Navigation.h"

#include <QString>

#include <optional>

struct Categoria;

// What the archive screen's save and record arrows do with the record file,
// without widgets. Each opens the category's store, does its work and closes
// it again. A failure of the file, and a position label that is not a number,
// give no result: the screen shows its one access message for both.
namespace CardFile {

// Appends the card when `posizione` (trimmed) is empty, rewrites that card
// otherwise; the card's number after the save.
std::optional<int> save(const Categoria& categoria, const Scheda& scheda, const QString& posizione);

// Where an arrow leads from `posizione`: the step, and for a step that shows
// a card, the card read from the file. Never an Error step.
struct Browsed {
    Step step;
    std::optional<Scheda> scheda;
};
std::optional<Browsed> browse(const Categoria& categoria, RecordArrow comando, const QString& posizione);

} // namespace CardFile
