#include "report/CardReport.h"

#include "platform/Platform.h"
#include "report/ReportOutput.h"

#include <QPainter>
#include <QPainterPath>

namespace Reports {

namespace {

// One captioned field box. Its caption object, the caption of the bill card,
// and the value object it frames. Columns: left and right half, or full width.
enum class Column { Left, Right, Full };
struct FieldBox {
    const char* caption;
    const char* text;
    const char* value;
    int top; // mm
    Column column;
};

// In the order the captions are laid out, left before right.
const FieldBox kBillFields[] = {
    {"Memo7", "DATA EMISSIONE:", "txtDataEmi", 145, Column::Left},
    {"Memo8", "DATA SCADENZA:", "txtDataSca", 145, Column::Right},
    {"Memo6", "BENEFICIARIO:", "txtBeneficiario", 159, Column::Left},
    {"Memo12", "CONTO CORRENTE / IBAN:", "txtCC", 159, Column::Right},
    {"Memo5", "PERIODO DI RIFERIMENTO:", "txtPeriodo", 173, Column::Left},
    {"Memo9", "DATA PAGAMENTO:", "txtDataPag", 173, Column::Right},
    {"Memo4", "MODALITA' DI PAGAMENTO:", "txtModalita", 187, Column::Left},
    {"Memo13", "ESTREMI RICEVUTA:", "txtEstremi", 187, Column::Right},
    {"Memo3", "CAUSALE:", "txtCausale", 201, Column::Full},
    {"Memo2", "CONSUMI:", "txtConsumi", 215, Column::Full},
    {"Memo1", "PAGATORE:", "txtPagatore", 229, Column::Full},
    {"Memo10", "CODICE FISCALE:", "txtCodFisc", 243, Column::Left},
    {"Memo11", "CODICE CLIENTE:", "txtCodCliente", 243, Column::Right},
};

const char* const kBillValues[] = {"txtNumero", "txtDataEmi", "txtBeneficiario", "txtCC", "txtDataSca", "txtPeriodo",
    "txtDataPag", "txtCausale", "txtConsumi", "txtModalita", "txtEstremi", "txtPagatore", "txtCodFisc", "txtCodCliente",
    "txtNote", "txtPrezzo"};

QString s(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

ReportObject rectangle(const char* name, const QRectF& box, const QColor& fill)
{
    ReportObject o;
    o.name = s(name);
    o.kind = ObjectKind::Rectangle;
    o.box = box;
    o.boxStyle.fill = fill;
    o.boxStyle.border = Qt::black;
    return o;
}

ReportObject text(
    const QString& name, const QRectF& box, double pointSize, Qt::Alignment alignment, const QString& content)
{
    ReportObject o = ReportObject::textObject(name, box, QStringLiteral("Arial"), pointSize, content);
    o.textStyle.alignment = alignment;
    return o;
}

ReportObject picture(const char* name, const QRectF& box, const QImage& image)
{
    ReportObject o;
    o.name = s(name);
    o.kind = ObjectKind::Picture;
    o.box = box;
    o.picture = image;
    return o;
}

// The caption a layout gives a box, and the value object it frames.
const CardCaption* differenceOf(const CardLayout& layout, const char* caption)
{
    for (const CardCaption& d : layout.captions) {
        if (d.caption == QLatin1String(caption))
            return &d;
    }
    return nullptr;
}

// The value object a box of the bill card frames in this layout.
QString valueOf(const CardLayout& layout, const QString& billValue)
{
    for (const FieldBox& f : kBillFields) {
        if (billValue == QLatin1String(f.value)) {
            const CardCaption* d = differenceOf(layout, f.caption);
            return d && !d->value.isEmpty() ? d->value : billValue;
        }
    }
    return billValue;
}

} // namespace

QStringList cardValueObjects(const CardLayout& layout)
{
    QStringList out;
    for (const char* v : kBillValues)
        out.append(valueOf(layout, s(v)));
    return out;
}

Report cardTemplate(const CardLayout& layout)
{
    Report r(layout.templateName);
    QList<ReportObject>& o = r.pageObjects;
    const QColor lightSteelBlue(0xB0, 0xC4, 0xDE);
    const QColor lavender(0xE6, 0xE6, 0xFA);
    const QColor gold(0xFF, 0xD7, 0x00);

    // Title: the card number.
    o.append(rectangle("shpNumFatt", mmBox(1, 1, 188, 10), lightSteelBlue));
    o.append(text(s("txtNumero"), mmBox(3, 3, 184, 6), 12, Qt::AlignCenter, layout.numberPlaceholder));

    o.append(picture("imgLogo", mmBox(1, 14, 188, 112), QImage()));

    // Amount.
    o.append(rectangle("Shape10", mmBox(49, 131, 92, 8), Qt::white));
    o.append(
        text(s("titImporto"), mmBox(68, 133, 21, 5), 11, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Importo:")));
    o.append(picture("imgEuro", mmBox(91, 133, 5, 5), euroPicture()));
    o.append(text(s("txtPrezzo"), mmBox(98, 133, 41, 5), 11, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0,00")));

    // The other fields: a caption, and below it a 6 mm frame holding the value.
    for (const FieldBox& f : kBillFields) {
        QString caption = s(f.text);
        QString value = s(f.value);
        if (const CardCaption* d = differenceOf(layout, f.caption)) {
            caption = d->text;
            if (!d->value.isEmpty())
                value = d->value;
        }
        const double left = f.column == Column::Right ? 97 : 1;
        const double width = f.column == Column::Full ? 188 : 92;
        o.append(text(s(f.caption), mmBox(left + 1, f.top, width - 2, 4), 8, Qt::AlignLeft | Qt::AlignBottom, caption));
        ReportObject frame = rectangle("", mmBox(left, f.top + 5, width, 6), Qt::white);
        frame.name = QStringLiteral("shp") + value.mid(3);
        o.append(frame);
        o.append(text(value, mmBox(left + 1, f.top + 6, width - 2, 4), 8, Qt::AlignLeft | Qt::AlignVCenter, QString()));
    }

    // Notes and the time of printing.
    o.append(rectangle("Shape15", mmBox(1, 257, 188, 6), lavender));
    o.append(text(s("titRaccomandazioni"), mmBox(2, 258, 186, 4), 9, Qt::AlignCenter, QStringLiteral("NOTE:")));
    o.append(rectangle("Shape16", mmBox(1, 263, 188, 6), Qt::white));
    o.append(text(s("txtNote"), mmBox(2, 264, 186, 4), 8, Qt::AlignLeft | Qt::AlignVCenter, QString()));
    o.append(rectangle("Shape23", mmBox(1, 270, 188, 6), gold));
    o.append(text(s("txtCalce"), mmBox(2, 271, 186, 4), 8, Qt::AlignCenter, QStringLiteral("Data e ora stampa")));
    return r;
}

void fillCard(Report& r, const CardData& card)
{
    r.setOrientation(QPageLayout::Portrait);
    if (ReportObject* logo = r.findObject(QStringLiteral("imgLogo")))
        logo->setPicture(card.photo);
    for (const QString& name : cardValueObjects(card.layout))
        if (ReportObject* o = r.findObject(name))
            o->setText(card.fields.value(name.mid(3)));
    if (ReportObject* calce = r.findObject(QStringLiteral("txtCalce")))
        calce->setText(QStringLiteral("Stampa eseguita in data ")
            + Clock::today().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ")
            + Clock::timeOfDay().toString(QStringLiteral("HH:mm:ss")));
}

Report prepareCard(const CardData& card)
{
    Report r = cardTemplate(card.layout);
    fillCard(r, card);
    r.prepare();
    return r;
}

bool printCard(QWidget* parent, const CardData& card)
{
    Report r = prepareCard(card);
    return printReport(parent, r);
}

QImage euroPicture(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    const QColor blue(0x1F, 0x4E, 0xB4);

    // The C: an open ring, cut on the right.
    QPen ring(blue, 11, Qt::SolidLine, Qt::FlatCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(24, 12, 70, 76), 45 * 16, 270 * 16);

    // The two bars across it, slanting up a little to the right.
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    for (double y : {38.0, 55.0}) {
        QPainterPath bar;
        bar.moveTo(8, y + 9);
        bar.lineTo(66, y + 9);
        bar.lineTo(70, y);
        bar.lineTo(12, y);
        bar.closeSubpath();
        p.drawPath(bar);
    }
    p.end();
    return img;
}

} // namespace Reports
