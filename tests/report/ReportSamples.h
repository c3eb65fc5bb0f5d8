#pragma once

#include "archive/Categoria.h"
#include "output/CardLayouts.h"
#include "report/CardReport.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

// Sample cards and result lines shared by the report suites.
namespace samples {

// The moment every report suite pins the clock to.
inline QDateTime printMoment()
{
    return QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3));
}

// A photographed receipt: tall, light paper with a few printed rows.
inline QImage receiptPhoto(int w = 420, int h = 640)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0x5A, 0x5A, 0x5A));
    QPainter p(&img);
    const QRect paper(w / 10, h / 20, w * 8 / 10, h * 18 / 20);
    p.fillRect(paper, QColor(0xF4, 0xF1, 0xE8));
    p.setPen(QColor(0x33, 0x33, 0x33));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(1, h / 24));
    f.setBold(true);
    p.setFont(f);
    p.drawText(paper.adjusted(0, h / 30, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("RICEVUTA"));
    for (int i = 0; i < 14; ++i) {
        const int y = paper.top() + h / 6 + i * h / 22;
        p.fillRect(QRect(paper.left() + w / 14, y, (i % 3 + 2) * w / 14, h / 90 + 1), QColor(0x88, 0x88, 0x88));
        p.fillRect(QRect(paper.right() - w / 5, y, w / 8, h / 90 + 1), QColor(0x88, 0x88, 0x88));
    }
    return img;
}

inline QString pad(const QString& t, int n)
{
    return (t + QString(n, QLatin1Char(' '))).left(n);
}

// A result line of a bill, built as the search screen builds it.
inline QString billLine(const QString& numero, const QString& dataSca, const QString& pagatore,
    const QString& beneficiario, const QString& causale, const QString& prezzo)
{
    return QStringLiteral("N. ") + pad(numero, 18) + QStringLiteral("  Scad. ") + pad(dataSca, 10)
        + QStringLiteral("  Da: ") + pad(pagatore, 24) + QStringLiteral("  A: ") + pad(beneficiario, 24)
        + QStringLiteral("  Causale: ") + pad(causale, 32) + QStringLiteral("  \u20AC ") + prezzo;
}

// n result lines "N. 2024/001 ..." with varied texts and amounts.
inline QStringList resultLines(int n)
{
    const QStringList payers
        = {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Anna Maria"), QStringLiteral("Esposito Giuseppe")};
    const QStringList payees = {QStringLiteral("Energia Adriatica S.p.A."), QStringLiteral("Comune di Ancona"),
        QStringLiteral("Acque del Conero")};
    const QStringList reasons = {QStringLiteral("Fornitura energia elettrica"), QStringLiteral("Saldo TARI 2023"),
        QStringLiteral("Servizio idrico integrato, conguaglio")};
    QStringList out;
    for (int i = 1; i <= n; ++i) {
        const QString numero = QStringLiteral("2024/%1").arg(i, 3, 10, QLatin1Char('0'));
        const QString data = QDate(2024, 1, 1).addDays(i * 3).toString(QStringLiteral("dd/MM/yyyy"));
        const QString prezzo = QStringLiteral("%1,%2").arg(17 * i % 900 + 12).arg(i * 7 % 100, 2, 10, QLatin1Char('0'));
        out.append(billLine(numero, data, payers.at(i % 3), payees.at(i % 3), reasons.at(i % 3), prezzo));
    }
    return out;
}

inline Reports::CardData billCard(const QString& category = QStringLiteral("Luce"))
{
    Reports::CardData c;
    c.layout = cardLayoutOf(*Catalogo::PerChiave(category));
    c.fields = {
        {QStringLiteral("Numero"), QStringLiteral("8201234567")},
        {QStringLiteral("DataEmi"), QStringLiteral("12/01/2024")},
        {QStringLiteral("DataSca"), QStringLiteral("05/02/2024")},
        {QStringLiteral("Beneficiario"), QStringLiteral("Energia Adriatica S.p.A.")},
        {QStringLiteral("CC"), QStringLiteral("IT60 X054 2811 1010 0000 0123 456")},
        {QStringLiteral("Periodo"), QStringLiteral("Novembre - Dicembre 2023")},
        {QStringLiteral("DataPag"), QStringLiteral("01/02/2024")},
        {QStringLiteral("Causale"), QStringLiteral("Fornitura energia elettrica, abitazione di residenza")},
        {QStringLiteral("Consumi"), QStringLiteral("412 kWh (F1 140, F2 122, F3 150)")},
        {QStringLiteral("Modalita"), QStringLiteral("Addebito su conto corrente")},
        {QStringLiteral("Estremi"), QStringLiteral("CRO 0012345678")},
        {QStringLiteral("Pagatore"), QStringLiteral("Rossi Mario")},
        {QStringLiteral("CodFisc"), QStringLiteral("RSSMRA80A01H501U")},
        {QStringLiteral("CodCliente"), QStringLiteral("0098765")},
        {QStringLiteral("Note"), QStringLiteral("Pagata in anticipo, conservare la ricevuta.")},
        {QStringLiteral("Prezzo"), QStringLiteral("123,45")},
    };
    c.photo = receiptPhoto();
    return c;
}

inline Reports::CardData purchaseCard()
{
    Reports::CardData c;
    c.layout = cardLayoutOf(Catalogo::PerId(CategoryId::Acquisti));
    c.fields = {
        {QStringLiteral("Numero"), QStringLiteral("SC 0193")},
        {QStringLiteral("DataEmi"), QStringLiteral("23/02/2024")},
        {QStringLiteral("Attivita"), QStringLiteral("Ferramenta Bianchi")},
        {QStringLiteral("Email"), QStringLiteral("info@ferramentabianchi.example")},
        {QStringLiteral("Tel"), QStringLiteral("071 555 0192")},
        {QStringLiteral("Sito"), QStringLiteral("www.ferramentabianchi.example")},
        {QStringLiteral("Garanzia"), QStringLiteral("24 mesi")},
        {QStringLiteral("Prodotti"), QStringLiteral("Trapano a percussione 800 W")},
        {QStringLiteral("Dettagli"), QStringLiteral("Con valigetta e set di punte")},
        {QStringLiteral("Modalita"), QStringLiteral("Carta di credito")},
        {QStringLiteral("Documenti"), QStringLiteral("Scontrino fiscale")},
        {QStringLiteral("Pagatore"), QStringLiteral("Bianchi Anna Maria")},
        {QStringLiteral("CodFisc"), QStringLiteral("BNCNMR75C41A271X")},
        {QStringLiteral("CodCliente"), QStringLiteral("")},
        {QStringLiteral("Note"), QStringLiteral("Registrare la garanzia sul sito")},
        {QStringLiteral("Prezzo"), QStringLiteral("89,90")},
    };
    c.photo = receiptPhoto(640, 420);
    return c;
}

} // namespace samples
