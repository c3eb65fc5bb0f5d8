#pragma once

#include <QStringList>

struct Categoria;

namespace reading {

// The payees (the shops, for purchases) of the category's stored cards,
// each once, in the order first met: the names a bill's text is matched
// against. Reads the record file without changing it, so it may run on a
// worker thread; an archive that cannot be read gives the names read until
// then, a missing one none.
QStringList knownPayees(const Categoria& categoria);

} // namespace reading
