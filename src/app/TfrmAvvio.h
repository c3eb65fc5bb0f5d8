#pragma once

#include "ui/GradientWindow.h"
#include "ui/ScaledPicture.h"

struct Categoria;
class PictureButton;
class QLabel;

// The main menu: one tile per category, in catalogue order, and the icons of
// the top and bottom bands. Closing it ends the program.
class TfrmAvvio : public GradientWindow {
    Q_OBJECT
public:
    static constexpr QSize DesignSize {1016, 713};
    static constexpr QSize PanelSize {995, 692};

    explicit TfrmAvvio(QWidget* parent = nullptr);

    // The strip under the tiles that says what is still to be paid; crimson
    // when something is late.
    void MostraScadenze(const QString& text, bool late);

signals:
    // A tile was clicked: its picture or its caption strip.
    void archiveRequested(const Categoria& categoria);
    void quitRequested();
    // The information, help (main menu's topic) and presentation icons.
    void infoRequested();
    void helpRequested();
    void presentationRequested();
    // The spending overview's icon.
    void spendingRequested();
    // The strip of what is due, and the icon of the search in every archive.
    void scadenzeRequested();
    void searchAllRequested();

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // img + Riquadro + Click: the handler of both parts of a tile (imgLuceClick,
    // imgAutoClick...), one for all ten.
    void imgRiquadroClick(const Categoria& categoria);
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick();
    void imgSpeseClick();
    void lblScadenzeClick();
    void imgTrovaTuttoClick();

    PictureButton* addPicture(const QString& name, const PicturePainter& picture, const QRect& where);

    QLabel* lblScadenze;
};
