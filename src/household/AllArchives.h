#pragma once

#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "archive/Tracciato.h"

#include <QString>

#include <optional>

// Reading every archive at once, for the windows that look across the ten
// archives (what is due, what was spent, search everywhere). They only ever
// read: a record file is opened read-only, a missing one is an empty archive
// and is not created, and nothing is written.
namespace AllArchives {

// Visits every card of the category's archive in file order (see
// TArchivioSchede::Scorri). True when the whole file was read, or there is
// none; false when it exists but could not be opened or read to the end
// (no permission, a folder of that name, a read error): what the visitor saw
// of it is then to be left out.
bool scan(const Categoria& categoria, const TArchivioSchede::Visitatore& visit);

// "Non è stato possibile leggere l'archivio Luce.": the line that names an
// archive left out.
QString unreadableText(const Categoria& categoria);

// A fingerprint of a card's bytes, kept with a listed card so that opening it
// later can tell whether another workstation changed it meanwhile.
quint64 fingerprint(const VistaScheda& card);

// Card n of the category read again for reading only: the card when it is
// still the one with `print`, none when it is another now, is gone, or cannot
// be read.
std::optional<Scheda> cardIfUnchanged(const Categoria& categoria, int n, quint64 print);

} // namespace AllArchives
