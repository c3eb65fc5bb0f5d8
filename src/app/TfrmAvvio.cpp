#include "app/TfrmAvvio.h"

#include "archive/Categoria.h"
#include "household/HouseholdPictures.h"
#include "household/SpendingPictures.h"
#include "platform/Platform.h"
#include "ui/Fonts.h"
#include "ui/Formats.h"
#include "ui/Maker.h"
#include "ui/Palette.h"
#include "ui/PictureButton.h"
#include "ui/ProgramPictures.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
// Tile columns and rows; the caption strip sits one unit further left,
// 166 below the picture's top.
constexpr int TileX[] = {26, 218, 410, 602, 794};
constexpr int TileY[] = {154, 392};
constexpr int CaptionDrop = 166;
// The strip of what is due, in the free band under the second row of
// captions (which end at 594) and above the bottom band (from 625).
constexpr QRect PendingStrip {198, 598, 600, 24};
} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent)
    : GradientWindow(Palette::SteelBlue, Qt::white, PanelSize, parent)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Tessaria 3.0"));
    setDesignSize(DesignSize);
    QWidget* p = panel();

    auto* bkg = new ShapeBox(p, Qt::white, QColor(0x9C, 0xC8, 0xEC), 2, 6);
    bkg->setObjectName(QStringLiteral("bkgMenu"));
    bkg->setGeometry(p->rect());

    // Top band: information at the left, help at the right, between them the
    // bulb, the name and the version; the subtitle below.
    auto* info = addPicture(QStringLiteral("imgInfo"),
        [] {
            return ProgramPictures::info({52, 52});
        },
        {24, 20, 52, 52});
    auto* guida = addPicture(QStringLiteral("imgGuida"),
        [] {
            return ProgramPictures::help({52, 52});
        },
        {919, 20, 52, 52});
    Widgets::picture(p, QStringLiteral("imgLampadina"),
        [] {
            return ProgramPictures::lightBulb({66, 66});
        },
        {236, 12, 66, 66});
    Widgets::picture(p, QStringLiteral("imgTitolo"),
        [] {
            return ProgramPictures::title({380, 66});
        },
        {308, 12, 380, 66});
    Widgets::picture(p, QStringLiteral("imgVersione"),
        [] {
            return ProgramPictures::versionBadge({66, 66});
        },
        {694, 12, 66, 66});
    Widgets::picture(p, QStringLiteral("imgSottotitolo"),
        [] {
            return ProgramPictures::subtitle({944, 38});
        },
        {26, 96, 944, 38});

    const QList<Categoria>& all = Catalogo::Tutte();
    for (int i = 0; i < all.size(); ++i) {
        const Categoria& c = all.at(i);
        const QPoint at(TileX[i % 5], TileY[i / 5]);
        PictureButton* img = addPicture(
            QStringLiteral("img") + c.Riquadro, [&categoria = c] { return ProgramPictures::tile(categoria); },
            QRect(at, ProgramPictures::TileSize));
        PictureButton* btn = addPicture(
            QStringLiteral("btn") + c.Riquadro, [&categoria = c] { return ProgramPictures::tileCaption(categoria); },
            QRect(at + QPoint(-1, CaptionDrop), ProgramPictures::TileCaptionSize));
        for (PictureButton* b : {img, btn})
            connect(b, &PictureButton::clicked, this, [this, &c] { imgRiquadroClick(c); });
    }

    // Bottom band: presentation at the left, the maker's strip, exit at the right.
    auto* copyright = addPicture(QStringLiteral("imgCopyright"),
        [] {
            return ProgramPictures::copyright({34, 34});
        },
        {26, 632, 34, 34});
    auto* sito = addPicture(QStringLiteral("imgSito"),
        [] {
            return ProgramPictures::makerStrip({600, 36});
        },
        {198, 631, 600, 36});
    auto* esci = addPicture(QStringLiteral("imgEsci"),
        [] {
            return ProgramPictures::exit({48, 48});
        },
        {921, 625, 48, 48});

    // Search in every archive, in the top band between the version badge and
    // help; what is still to be paid, between the tiles and the bottom band.
    auto* trovaTutto = addPicture(QStringLiteral("imgTrovaTutto"),
        [] {
            return HouseholdPictures::searchAll({52, 52});
        },
        {852, 20, 52, 52});
    lblScadenze = Widgets::label(p, QStringLiteral("lblScadenze"), QString(), PendingStrip, 13, true);
    lblScadenze->setAlignment(Qt::AlignCenter);
    lblScadenze->setCursor(Qt::PointingHandCursor);
    lblScadenze->installEventFilter(this);
    connect(trovaTutto, &PictureButton::clicked, this, &TfrmAvvio::imgTrovaTuttoClick);

    connect(info, &PictureButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(guida, &PictureButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(copyright, &PictureButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(sito, &PictureButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(esci, &PictureButton::clicked, this, &TfrmAvvio::imgEsciClick);

    // The spending overview, in the top band between the version and help.
    auto* spese = addPicture(QStringLiteral("imgSpese"),
        [] {
            return SpendingPictures::menuIcon({52, 52});
        },
        {786, 20, 52, 52});
    spese->setToolTip(QStringLiteral("Riepilogo delle spese"));
    connect(spese, &PictureButton::clicked, this, &TfrmAvvio::imgSpeseClick);
}

PictureButton* TfrmAvvio::addPicture(const QString& name, const PicturePainter& picture, const QRect& where)
{
    auto* b = new PictureButton(picture, panel());
    b->setObjectName(name);
    b->setGeometry(where);
    return b;
}

void TfrmAvvio::MostraScadenze(const QString& text, bool late)
{
    lblScadenze->setText(text);
    const QColor colour = late ? Palette::Crimson : Palette::DeepBlue;
    lblScadenze->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(colour.name()));
}

bool TfrmAvvio::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblScadenze && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblScadenzeClick();
        return true;
    }
    return GradientWindow::eventFilter(watched, event);
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit quitRequested();
}

void TfrmAvvio::imgRiquadroClick(const Categoria& categoria)
{
    emit archiveRequested(categoria);
}

void TfrmAvvio::imgInfoClick()
{
    emit infoRequested();
}

void TfrmAvvio::imgGuidaClick()
{
    emit helpRequested();
}

void TfrmAvvio::imgCopyrightClick()
{
    emit presentationRequested();
}

void TfrmAvvio::imgSitoClick()
{
    TMisc::Open(QString(Maker::WebSite));
}

void TfrmAvvio::imgEsciClick()
{
    emit quitRequested();
}

void TfrmAvvio::imgSpeseClick()
{
    emit spendingRequested();
}

void TfrmAvvio::lblScadenzeClick()
{
    emit scadenzeRequested();
}

void TfrmAvvio::imgTrovaTuttoClick()
{
    emit searchAllRequested();
}
