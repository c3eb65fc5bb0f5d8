#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

struct Categoria;

// Every picture the program shows, drawn with QPainter when asked for: flat
// shapes in soft colours, anti-aliased. Nothing is loaded from disk.
// Category pictures take their accent colour and emblem from the category
// (Categoria::accent, Categoria::emblem): a new category brings its own look.
class ProgramPictures {
public:
    // Sizes the windows lay their pictures out with.
    static constexpr QSize TileSize {176, 160};
    static constexpr QSize TileCaptionSize {180, 36};
    static constexpr QSize TitleStripSize {349, 49};
    static constexpr QSize PlaceholderSize {567, 378};

    // The program's mark and name on a white card (login 328 x 160,
    // change password 353 x 148).
    static QPixmap logo(const QSize& size);
    // The mark alone on a rounded white square: the icon the desktop shows
    // for the program.
    static QPixmap icon(const QSize& size);
    // Main menu top band.
    static QPixmap title(const QSize& size); // the name "Tessaria 3.0"
    static QPixmap versionBadge(const QSize& size); // "3.0"
    static QPixmap lightBulb(const QSize& size);
    static QPixmap subtitle(const QSize& size); // one line about the program
    // Icons.
    static QPixmap info(const QSize& size);
    static QPixmap help(const QSize& size);
    static QPixmap exit(const QSize& size);
    static QPixmap copyright(const QSize& size);
    // The maker's notice and web address.
    static QPixmap makerStrip(const QSize& size);

    // Per category.
    static QColor accent(const Categoria& categoria);
    static QPixmap tile(const Categoria& categoria); // 176 x 160 illustration
    static QPixmap tileCaption(const Categoria& categoria); // 180 x 36, TitoloRiquadro on a blue bar
    static QPixmap titleStrip(const Categoria& categoria); // 349 x 49, the same words, larger
    static QPixmap placeholder(const Categoria& categoria); // 567 x 378, stands in for a missing photo
};
