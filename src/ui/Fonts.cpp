#include "ui/Fonts.h"

#include <QFontMetricsF>

#include <cmath>

QFont Fonts::verdana()
{
    return QFont(QStringLiteral("Verdana"));
}

QFont Fonts::verdana(qreal pixels, bool bold)
{
    QFont f = verdana();
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    return f;
}

QFont Fonts::verdanaPoints(int points, bool bold)
{
    QFont f = verdana();
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

QFont Fonts::largestFitting(const QFont& font, const QString& text, int maxPixels, qreal width, int minPixels)
{
    auto sized = [&font](int px) {
        QFont f = font;
        f.setPixelSize(qMax(1, px));
        return f;
    };
    auto fits = [&](int px) { return QFontMetricsF(sized(px)).horizontalAdvance(text) <= width; };
    const qreal full = QFontMetricsF(sized(maxPixels)).horizontalAdvance(text);
    if (full <= width)
        return sized(maxPixels);
    // The width grows with the size, so the search starts from the
    // proportional guess and walks a step or two rather than trying every
    // size: each new size loads a font.
    const qreal steps = std::ceil(maxPixels - maxPixels * width / qMax<qreal>(full, 1));
    int px = maxPixels - qMax(1, int(steps));
    while (px > minPixels && !fits(px))
        --px;
    if (px <= minPixels)
        return sized(minPixels);
    while (px + 1 < maxPixels && fits(px + 1))
        ++px;
    return sized(px);
}
