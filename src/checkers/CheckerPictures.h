#pragma once

#include <QPixmap>
#include <QSize>

// The title banners of the two check windows (421 x 73), drawn when asked for.
namespace CheckerPictures {
// "Controllo codice fiscale" beside a tax card.
QPixmap codFiscBanner(const QSize& size);
// "Controllo partita IVA" beside the emblem of the Republic.
QPixmap partitaIvaBanner(const QSize& size);
} // namespace CheckerPictures
