#pragma once

#include <QPixmap>
#include <QSize>

// The title banners of the two check windows (421 x 73), drawn when asked for.
namespace ImmaginiControlli {
// "Controllo codice fiscale" beside a tax card.
QPixmap bannerCodFisc(const QSize& size);
// "Controllo partita IVA" beside the emblem of the Republic.
QPixmap bannerPartitaIva(const QSize& size);
} // namespace ImmaginiControlli
