#pragma once

// PDF documents made by the tests: real ones written by QPdfWriter, and small
// hand-made ones that claim what a hostile or protected file claims.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

namespace samples {

// An A4 bill of `pages` pages: on each a black frame and a few rows of text.
inline bool writeBill(const QString& path, int pages = 1)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (!p.begin(&writer))
        return false;
    for (int n = 1; n <= pages; ++n) {
        if (n > 1)
            writer.newPage();
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(QRectF(40, 40, 515, 120));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(18);
        p.setFont(f);
        for (int row = 0; row < 12; ++row)
            p.drawText(QPointF(60, 220 + row * 40),
                QStringLiteral("Bolletta, pagina %1, riga %2: euro 12,50").arg(n).arg(row + 1));
    }
    return p.end();
}

// A PDF assembled from numbered object bodies (object 1 first), with a
// correct cross-reference table; `trailerExtra` goes into the trailer.
inline QByteArray assemble(const QList<QByteArray>& objects, const QByteArray& trailerExtra = QByteArray())
{
    QByteArray pdf("%PDF-1.4\n");
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype o : offsets)
        pdf += QByteArray::number(o).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " + trailerExtra + " >>\n";
    pdf += "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// One empty page of the given media box and a page tree claiming `count`.
inline QByteArray onePage(const QByteArray& mediaBox, const QByteArray& count = "1")
{
    return assemble({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count " + count + " >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox " + mediaBox + " >>"});
}

// A document that really holds `pages` empty A4 pages.
inline QByteArray manyPages(int pages)
{
    QList<QByteArray> objects {"<< /Type /Catalog /Pages 2 0 R >>", QByteArray()};
    QByteArray kids;
    for (int n = 0; n < pages; ++n) {
        kids += QByteArray::number(n + 3) + " 0 R ";
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>");
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages) + " >>";
    return assemble(objects);
}

// A document protected by a user password, which the program does not know.
inline QByteArray passwordProtected()
{
    const QByteArray o = "<" + QByteArray(64, 'a') + ">";
    const QByteArray u = "<" + QByteArray(64, 'b') + ">";
    return assemble({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
                        "<< /Filter /Standard /V 1 /R 2 /O " + o + " /U " + u + " /P -4 >>"},
        "/Encrypt 4 0 R /ID [<0123456789abcdef0123456789abcdef> <0123456789abcdef0123456789abcdef>]");
}

inline bool save(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace samples
