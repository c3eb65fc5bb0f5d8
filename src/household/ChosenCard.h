#pragma once

#include "archive/Categoria.h"
#include "archive/Tracciato.h"

// The card a household window's user chose to open: its archive, its
// position and its record as read just now (checked unchanged). The window
// closes and AppWindows shows the card in its archive screen.
struct ChosenCard {
    const Categoria* categoria; // one of Catalogo::Tutte()
    int n;
    Scheda scheda;
};
