#pragma once

#include "ui/GradientDialog.h"

#include <QList>
#include <QString>

struct Categoria;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultPanel;
class TfrmArchivio;

// The search window of one category (frmTrovaRifiuti and so on). The filter
// panel panAvvio takes up to ten filter texts; "Cerca" reads the record file
// from the first card to the last and swaps in the result panel with the
// matching cards as result lines. A double-click on a line shows that card in
// the archive screen that opened the window, and closes it.
class TfrmTrova : public GradientDialog {
    Q_OBJECT
public:
    explicit TfrmTrova(TfrmArchivio& schermo);
    ~TfrmTrova() override;

    // The caller tag (lblMemory): the archive screen sets it to its Sigla.
    void ImpostaTag(const QString& tag);

    // Opens the search window of the screen's category, owned by the screen,
    // modally; returns when it has gone.
    static void Mostra(TfrmArchivio& schermo);

    // "Riepilogo " + Descrizione + " in archivio"
    static QString printTitle(const Categoria& categoria);

    ResultPanel* results() const { return panContainer; }

public Q_SLOTS:
    void btnCercaClick();
    void btnAnnullaClick();
    void btnChiudiClick();
    void lstRecordsDblClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeWindow();

    TfrmArchivio& schermo_;
    const Categoria& categoria_;
    QWidget* panAvvio;
    QList<QLineEdit*> filtri_; // in Enter order
    QLabel* lblAttendere;
    QLabel* lblConta;
    QLabel* lblMemory;
    QPushButton* btnCerca;
    QPushButton* btnAnnulla;
    ResultPanel* panContainer;
};
