#include "report/Report.h"

#include "platform/Platform.h"
#include "report/Fonts.h"

#include <QFontMetricsF>
#include <QPageSize>

#include <algorithm>
#include <cmath>

namespace Reports {

namespace {

// Positions are sums of a few hundred line heights; this is far below a
// printer dot and far above the rounding noise.
constexpr double kEps = 1e-6;

const QString kDateVariable = QStringLiteral("[DATE]");

// Lines of a text object that its box shows: all that fit whole, and at
// least the first one.
int shownLines(const ReportObject& o)
{
    const int n = int(o.lines.size());
    if (n == 0)
        return 0;
    const double lh = o.textStyle.lineHeightUnits();
    const int fit = int(std::floor((o.box.height() + kEps) / lh));
    return std::clamp(fit, 1, n);
}

// Lays a report out page by page. Band objects are placed by slices of their
// band: [from, to) in band coordinates goes onto the current page at y.
class Layout {
public:
    Layout(const Report& r, QList<PreparedPage>& pages)
        : report_(r)
        , pages_(pages)
        , date_(Clock::today().toString(QStringLiteral("dd/MM/yyyy")))
    { }

    void run()
    {
        newPage();
        for (const Band& band : report_.bands)
            placeBand(band);
    }

private:
    void newPage()
    {
        PreparedPage p;
        p.number = int(pages_.size()) + 1;
        p.layout = report_.page;
        pages_.append(p);
        height_ = pages_.last().printableRect().height();
        y_ = 0;
        placeSlice(report_.pageObjects, 0, 0, 0, true);
    }

    void placeBand(const Band& band)
    {
        const double room = height_ - y_;
        if (band.height <= room + kEps) {
            placeSlice(band.objects, 0, band.height, y_, true);
            y_ += band.height;
            return;
        }
        if (band.kind != BandKind::MasterData) {
            if (y_ > kEps)
                newPage();
            placeSlice(band.objects, 0, band.height, y_, true);
            y_ += band.height;
            return;
        }
        // A master-data band continues on the next pages, cut between lines.
        double done = 0;
        for (;;) {
            const double left = height_ - y_;
            if (band.height - done <= left + kEps) {
                placeSlice(band.objects, done, band.height, y_, true);
                y_ += band.height - done;
                return;
            }
            double cut = cutBefore(band.objects, done, done + left);
            if (cut <= done + kEps) {
                if (y_ > kEps) {
                    newPage();
                    continue;
                }
                // Even a whole page does not hold what comes next (a line
                // taller than the page): print it anyway and go on.
                cut = std::max(done + left, firstBottom(band.objects, done, band.height));
                if (cut <= done + kEps) { // a page with no room at all
                    placeSlice(band.objects, done, band.height, y_, true);
                    y_ += band.height - done;
                    return;
                }
            }
            placeSlice(band.objects, done, cut, y_, false);
            done = cut;
            newPage();
        }
    }

    // The lowest point at or above `limit` that cuts through no text line and
    // no picture or rectangle (one that starts below `from`).
    static double cutBefore(const QList<ReportObject>& objects, double from, double limit)
    {
        double cut = limit;
        bool moved = true;
        while (moved) {
            moved = false;
            for (const ReportObject& o : objects) {
                if (o.kind == ObjectKind::Text) {
                    const double lh = o.textStyle.lineHeightUnits();
                    const int n = shownLines(o);
                    for (int i = 0; i < n; ++i) {
                        const double top = o.box.top() + i * lh;
                        if (top < cut - kEps && top + lh > cut + kEps) {
                            cut = top;
                            moved = true;
                        }
                    }
                } else if (o.box.top() > from + kEps && o.box.top() < cut - kEps && o.box.bottom() > cut + kEps) {
                    cut = o.box.top();
                    moved = true;
                }
            }
        }
        return cut;
    }

    // Where the first line or other object at or below `from` ends.
    static double firstBottom(const QList<ReportObject>& objects, double from, double end)
    {
        double bottom = end;
        for (const ReportObject& o : objects) {
            if (o.kind == ObjectKind::Text) {
                const double lh = o.textStyle.lineHeightUnits();
                const int n = shownLines(o);
                for (int i = 0; i < n; ++i) {
                    const double top = o.box.top() + i * lh;
                    if (top >= from - kEps)
                        bottom = std::min(bottom, top + lh);
                }
            } else if (o.box.top() >= from - kEps) {
                bottom = std::min(bottom, o.box.bottom());
            }
        }
        return bottom;
    }

    // Places what of `objects` falls in [from, to) of their band at y on the
    // current page. The last slice of a band takes everything from `from` on.
    void placeSlice(const QList<ReportObject>& objects, double from, double to, double y, bool last)
    {
        PreparedPage& page = pages_.last();
        const double shift = y - from;
        for (const ReportObject& o : objects) {
            const double top = o.box.top();
            const double bottom = o.box.bottom();
            const bool startsHere = top >= from - kEps && (last || top < to - kEps);
            const bool continues = o.kind == ObjectKind::Text && top < from - kEps && bottom > from + kEps;
            if (!startsHere && !continues)
                continue;

            PlacedItem item;
            item.page = page.number;
            item.name = o.name;
            item.kind = o.kind;
            item.textStyle = o.textStyle;
            item.boxStyle = o.boxStyle;
            item.box = o.box.translated(0, shift);

            if (o.kind == ObjectKind::Picture) {
                item.picture = o.picture;
                if (!o.picture.isNull())
                    item.pictureBox = fitPicture(o.picture.size(), item.box);
            } else if (o.kind == ObjectKind::Text) {
                const double lh = o.textStyle.lineHeightUnits();
                const int n = shownLines(o);
                const bool split = continues || (!last && bottom > to + kEps);
                const double itemTop = std::max(top, from);
                const double itemBottom = last ? bottom : std::min(bottom, to);
                item.box.setTop(itemTop + shift);
                item.box.setBottom(itemBottom + shift);
                int first = -1;
                for (int i = 0; i < n; ++i) {
                    const double lineTop = top + i * lh;
                    if (lineTop < from - kEps || (!last && lineTop >= to - kEps))
                        continue;
                    if (first < 0)
                        first = i;
                    QString line = o.lines.at(i);
                    line.replace(kDateVariable, date_);
                    item.lines.append(cutToWidth(line, o.textStyle, o.box.width()));
                }
                if (split) {
                    item.firstLine = first < 0 ? 0 : top + first * lh - itemTop;
                } else {
                    const double free = o.box.height() - n * lh;
                    const Qt::Alignment v = o.textStyle.alignment & Qt::AlignVertical_Mask;
                    item.firstLine = v & Qt::AlignVCenter ? free / 2 : v & Qt::AlignBottom ? free : 0;
                }
            }
            page.items.append(item);
        }
    }

    const Report& report_;
    QList<PreparedPage>& pages_;
    QString date_;
    double height_ = 0;
    double y_ = 0;
};

QString num(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

QRectF mmBox(double left, double top, double width, double height)
{
    return QRectF(fromMm(left), fromMm(top), fromMm(width), fromMm(height));
}

double TextStyle::lineHeightUnits() const
{
    return lineHeight > 0 ? lineHeight : pointSize * kUnitsPerInch / 72.0 * 1.2;
}

bool TextStyle::operator==(const TextStyle& o) const
{
    return family == o.family && pointSize == o.pointSize && bold == o.bold && color == o.color
        && alignment == o.alignment && lineHeight == o.lineHeight;
}

bool BoxStyle::operator==(const BoxStyle& o) const
{
    return fill == o.fill && border == o.border && borderWidth == o.borderWidth;
}

void ReportObject::setText(const QString& t)
{
    // An empty text has no lines at all, not one empty line.
    if (t.isEmpty()) {
        lines.clear();
        return;
    }
    QString s = t;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines = s.split(QLatin1Char('\n'));
}

bool PlacedItem::operator==(const PlacedItem& o) const
{
    return page == o.page && name == o.name && kind == o.kind && box == o.box && lines == o.lines
        && firstLine == o.firstLine && textStyle == o.textStyle && boxStyle == o.boxStyle && picture == o.picture
        && pictureBox == o.pictureBox;
}

QSizeF PreparedPage::paperSize() const
{
    const QRectF r = layout.fullRect(QPageLayout::Millimeter);
    return QSizeF(fromMm(r.width()), fromMm(r.height()));
}

QRectF PreparedPage::printableRect() const
{
    const QRectF r = layout.paintRect(QPageLayout::Millimeter);
    return QRectF(fromMm(r.left()), fromMm(r.top()), fromMm(r.width()), fromMm(r.height()));
}

const PlacedItem* PreparedPage::find(const QString& name) const
{
    for (const PlacedItem& i : items)
        if (i.name == name)
            return &i;
    return nullptr;
}

bool PreparedPage::operator==(const PreparedPage& o) const
{
    return number == o.number && layout.isEquivalentTo(o.layout) && layout.orientation() == o.layout.orientation()
        && items == o.items;
}

Report::Report(const QString& n)
    : name(n)
    , page(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter)
{ }

ReportObject ReportObject::textObject(
    const QString& name, const QRectF& box, const QString& family, double pointSize, const QString& content)
{
    ReportObject o;
    o.name = name;
    o.box = box;
    o.textStyle.family = family;
    o.textStyle.pointSize = pointSize;
    o.setText(content);
    return o;
}

ReportObject* Report::findObject(const QString& objectName)
{
    return const_cast<ReportObject*>(std::as_const(*this).findObject(objectName));
}

const ReportObject* Report::findObject(const QString& objectName) const
{
    for (const ReportObject& o : pageObjects)
        if (o.name == objectName)
            return &o;
    for (const Band& b : bands)
        for (const ReportObject& o : b.objects)
            if (o.name == objectName)
                return &o;
    return nullptr;
}

Band* Report::findBand(const QString& bandName)
{
    return const_cast<Band*>(std::as_const(*this).findBand(bandName));
}

const Band* Report::findBand(const QString& bandName) const
{
    for (const Band& b : bands)
        if (b.name == bandName)
            return &b;
    return nullptr;
}

void Report::setOrientation(QPageLayout::Orientation o)
{
    page.setOrientation(o);
}

void Report::prepare()
{
    pages_.clear();
    Layout(*this, pages_).run();
    prepared_ = true;
}

QList<PlacedItem> Report::placed(const QString& objectName) const
{
    QList<PlacedItem> out;
    for (const PreparedPage& p : pages_)
        for (const PlacedItem& i : p.items)
            if (i.name == objectName)
                out.append(i);
    return out;
}

QRectF fitPicture(const QSizeF& size, const QRectF& box)
{
    if (size.isEmpty() || box.isEmpty())
        return QRectF(box.center(), QSizeF(0, 0));
    const QSizeF s = size.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(
        box.left() + (box.width() - s.width()) / 2, box.top() + (box.height() - s.height()) / 2, s.width(), s.height());
}

QStringList describe(const Report& r)
{
    QStringList out;
    for (const PreparedPage& p : r.pages()) {
        for (const PlacedItem& i : p.items) {
            QString s = QStringLiteral("p%1 %2 [%3 %4 %5 %6]")
                            .arg(p.number)
                            .arg(i.name, num(i.box.left()), num(i.box.top()), num(i.box.width()), num(i.box.height()));
            if (i.kind == ObjectKind::Text)
                s += QStringLiteral(" \"") + i.lines.join(QStringLiteral("|")) + QLatin1Char('"');
            out.append(s);
        }
    }
    return out;
}

// Fonts.h

QFont fontFor(const TextStyle& style, double pixels, double dpi)
{
    QFont f(style.family);
    f.setStyleHint(
        style.family.contains(QLatin1String("Courier"), Qt::CaseInsensitive) ? QFont::TypeWriter : QFont::SansSerif);
    f.setPointSizeF(pixels * 72.0 / dpi);
    f.setBold(style.bold);
    // Unhinted glyphs keep the same widths at every resolution, so a line cut
    // while preparing fits its box on the printer as well.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QString cutToWidth(const QString& line, const TextStyle& style, double width)
{
    // Measured at 12 dots a unit (1152 dpi), where every whole or half point
    // size is a whole number of pixels, then brought back to units.
    constexpr double k = 12;
    static const QImage device = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(qRound(kUnitsPerInch * k / 0.0254));
        i.setDotsPerMeterY(qRound(kUnitsPerInch * k / 0.0254));
        return i;
    }();
    const QFontMetricsF fm(fontFor(style, style.pointSize * kUnitsPerInch / 72.0 * k, kUnitsPerInch * k), &device);
    width *= k;
    if (fm.horizontalAdvance(line) <= width + kEps)
        return line;
    // Widths of beginnings grow with their length: find the longest that fits.
    qsizetype lo = 0, hi = line.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fm.horizontalAdvance(line.left(mid)) <= width + kEps)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo > 0 && line.at(lo - 1).isHighSurrogate())
        --lo;
    return line.left(lo);
}

} // namespace Reports
