#pragma once

#include "ui/GradientDialog.h"

#include <QString>

struct Categoria;
class ResultPanel;
class TfrmArchivio;

// The unpaid summary of one category (frmSospesi_Rifiuti and so on): the
// cards whose "Da pagare" mark is "Sì", as result lines, built from the
// record file each time the window is shown. A double-click on a line shows
// that card in the archive screen that opened the window, and closes it.
class TfrmSospesi : public GradientDialog {
    Q_OBJECT
public:
    explicit TfrmSospesi(TfrmArchivio& schermo);
    ~TfrmSospesi() override;

    // Opens the unpaid summary of the screen's category, owned by the screen,
    // modally; returns when it has gone.
    static void Mostra(TfrmArchivio& schermo);

    // The caption without its leading blank: "Riepilogo " + TitoloRiepilogo.
    static QString printTitle(const Categoria& categoria);

    ResultPanel* results() const { return panContainer; }

public Q_SLOTS:
    void btnChiudiClick();
    void lstRecordsDblClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildList();
    void closeWindow();

    TfrmArchivio& schermo_;
    const Categoria& categoria_;
    ResultPanel* panContainer;
};
