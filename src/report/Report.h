#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

// The report engine: a report is a page design with named objects, standing
// on the page or in bands. prepare() lays it out into pages of placed items,
// which ReportOutput.h paints on a printer, a PDF file or an image.
//
// Lengths are report units, 96 to the inch. Boxes are measured from the
// top-left corner of the printable area (inside the margins) for objects on
// the page, and from the band's top-left corner for objects in a band.
namespace Reports {

constexpr double kUnitsPerInch = 96.0;
constexpr double kMmPerInch = 25.4;

constexpr double fromMm(double mm)
{
    return mm * kUnitsPerInch / kMmPerInch;
}
constexpr double toMm(double units)
{
    return units * kMmPerInch / kUnitsPerInch;
}
// A box given in millimetres, in report units.
QRectF mmBox(double left, double top, double width, double height);

enum class ObjectKind { Text, Picture, Rectangle };

struct TextStyle {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    QColor color = Qt::black;
    // Horizontal and vertical placement of the lines inside the box.
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Height of one text line in report units; 0 gives 1.2 times the font size.
    double lineHeight = 0;

    double lineHeightUnits() const;
    bool operator==(const TextStyle& o) const;
    bool operator!=(const TextStyle& o) const { return !(*this == o); }
};

// Fill and border of a box; an invalid colour draws nothing. The border is
// drawn inside the box.
struct BoxStyle {
    QColor fill;
    QColor border;
    double borderWidth = 1;

    bool operator==(const BoxStyle& o) const;
    bool operator!=(const BoxStyle& o) const { return !(*this == o); }
};

// One named object of a template. A text object prints one line per text line,
// never wraps, and cuts a line at the right edge of its box. A picture object
// draws its picture scaled to fit the box, proportions kept, centred. A
// rectangle is just its box style.
struct ReportObject {
    QString name;
    ObjectKind kind = ObjectKind::Text;
    QRectF box;
    TextStyle textStyle;
    BoxStyle boxStyle;
    QStringList lines;
    QImage picture;

    // Replaces the lines: each line break in `t` starts a new line; an empty
    // text leaves no line at all.
    // A text object in `family` at `pointSize`, holding `content`.
    static ReportObject textObject(
        const QString& name, const QRectF& box, const QString& family, double pointSize, const QString& content);
    void setText(const QString& t);
    QString text() const { return lines.join(QLatin1Char('\n')); }
    void clear() { lines.clear(); }
    void append(const QString& line) { lines.append(line); }
    int count() const { return int(lines.size()); }
    void setHeight(double h) { box.setHeight(h); }
    void setPicture(const QImage& p) { picture = p; }
};

// Bands, printed in the order the report lists them. Only a master-data band
// may continue on the following pages; the others move whole to a new page
// when they do not fit in what is left of the current one.
enum class BandKind { ReportTitle, MasterData, Footer };

struct Band {
    QString name;
    BandKind kind = BandKind::MasterData;
    double height = 0;
    QList<ReportObject> objects;

    void setHeight(double h) { height = h; }
};

// One object as it lands on a prepared page.
struct PlacedItem {
    int page = 1; // 1-based
    QString name;
    ObjectKind kind = ObjectKind::Text;
    QRectF box; // from the corner of the page's printable area
    QStringList lines; // as printed: [DATE] replaced, each cut at the box's right edge
    double firstLine = 0; // top of the first line, from the top of the box
    TextStyle textStyle;
    BoxStyle boxStyle;
    QImage picture;
    QRectF pictureBox; // where the picture goes: fitted into box, centred

    bool operator==(const PlacedItem& o) const;
    bool operator!=(const PlacedItem& o) const { return !(*this == o); }
};

struct PreparedPage {
    int number = 1;
    QPageLayout layout; // paper, orientation and margins (millimetres)
    QList<PlacedItem> items; // in painting order: later items cover earlier ones

    QSizeF paperSize() const; // report units, as oriented
    QRectF printableRect() const; // report units, from the paper's corner
    const PlacedItem* find(const QString& name) const; // first item of that name
    bool operator==(const PreparedPage& o) const;
    bool operator!=(const PreparedPage& o) const { return !(*this == o); }
};

class Report {
public:
    explicit Report(const QString& name = QString());

    QString name;
    QPageLayout page; // A4 portrait with 10 mm margins unless set
    QList<ReportObject> pageObjects; // printed on every page, under the bands' objects
    QList<Band> bands;

    // nullptr when there is none. Objects on the page are searched first, then
    // the bands in order.
    ReportObject* findObject(const QString& objectName);
    const ReportObject* findObject(const QString& objectName) const;
    Band* findBand(const QString& bandName);
    const Band* findBand(const QString& bandName) const;

    // The orientation of the first page (every page follows the same design).
    void setOrientation(QPageLayout::Orientation o);

    // Lays the report out into pages; replaces "[DATE]" in texts with today's
    // date (dd/mm/yyyy, from Clock). The template itself is left as it is, so
    // preparing again after a change gives the new pages.
    void prepare();
    bool isPrepared() const { return prepared_; }
    const QList<PreparedPage>& pages() const { return pages_; }
    // Every placed item with this name, in page order.
    QList<PlacedItem> placed(const QString& objectName) const;

private:
    QList<PreparedPage> pages_;
    bool prepared_ = false;
};

// The box in which a picture of `size` is drawn inside `box`: as large as
// fits with its proportions kept, centred.
QRectF fitPicture(const QSizeF& size, const QRectF& box);

// Readable one-line description of each placed item, for comparisons and logs.
QStringList describe(const Report& r);

} // namespace Reports
