#include "help/TfrmGuida.h"

#include "help/HelpPictures.h"
#include "platform/Platform.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/Widgets.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>

TfrmGuida::TfrmGuida(QWidget* owner)
    : HelpDialog(owner, Qt::white, QColor(0xAD, 0xD8, 0xE6), ClientSize, PanelSize)
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    QWidget* p = panel();

    Widgets::box(p, QStringLiteral("shpIntestazione"), QRect(0, 0, 642, 84), Qt::white, Palette::Frame, 8);
    Widgets::picture(
        p, QStringLiteral("imgLogo"), [] { return HelpPictures::guideHeader(QSize(622, 72)); }, QRect(10, 6, 622, 72));

    // Some titles are longer than one line at this size: they wrap.
    lblTitolo = new QLabel(p);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont fTitolo = Fonts::verdanaPoints(16, true);
    lblTitolo->setFont(fTitolo);
    lblTitolo->setStyleSheet(QStringLiteral("QLabel { color: #DC143C; }"));
    lblTitolo->setWordWrap(true);
    lblTitolo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblTitolo->setGeometry(8, 88, 626, 60);

    txtGuida = new QPlainTextEdit(p);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont fTesto = Fonts::verdanaPoints(12, true);
    txtGuida->setFont(fTesto);
    txtGuida->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: #1E2A3A; "
                                           "border: 1px solid #A9C8E6; }"));
    txtGuida->setGeometry(8, 150, 625, 350);
    txtGuida->document()->setDocumentMargin(8);

    QLabel* imgPDF = Widgets::picture(
        p, QStringLiteral("imgPDF"), [] { return HelpPictures::pdfIcon(QSize(32, 32)); }, QRect(8, 506, 32, 32));
    addLink(QStringLiteral("Visualizza guida in formato PDF"), QRect(46, 508, 360, 28), imgPDF);

    addClose(QRect(481, 499, 161, 41));
}

void TfrmGuida::MostraArgomento(const HelpTopic& argomento)
{
    lblTitolo->setText(argomento.titolo);
    txtGuida->setPlainText(argomento.testo());
}

void TfrmGuida::Mostra(QWidget* owner, const HelpTopic& argomento)
{
    TfrmGuida finestra(owner);
    finestra.MostraArgomento(argomento);
    finestra.exec();
}

void TfrmGuida::lnkWebClick()
{
    TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(ProgramFolder::file(FileGuida())) + QLatin1Char('"'));
}
