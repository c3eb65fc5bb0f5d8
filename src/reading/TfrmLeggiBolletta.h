#pragma once

#include "reading/BillReading.h"
#include "reading/CardMapping.h"
#include "ui/GradientDialog.h"

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;
class TfrmArchivio;

namespace reading {
struct ReadingJob;
}

// " Dati letti dalla bolletta": the data read off the bill in the photo of
// an archive screen's card, for the user to confirm before any of it goes
// into the card. Opens at once and reads on a worker thread, with a progress
// bar and "Annulla"; when the reading ends it lists what was found, one row
// per field, ticked where the card's field is empty. "Applica" writes the
// ticked values into the screen's fields as if typed and leaves the card
// unsaved; "Annulla" writes nothing.
//
// Closing while the reading runs cancels it; the worker finishes by itself
// and is cleaned up, whether the window is still there or not.
class TfrmLeggiBolletta : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {700, 420};
    static constexpr QSize PanelSize {680, 400};
    // How long a reading may take before the window shows its progress.
    static constexpr int ProgressDelayMs = 200;

    // Starts reading the card's photo on `screen` with `reader`.
    TfrmLeggiBolletta(TfrmArchivio& screen, const reading::Reader& reader);
    ~TfrmLeggiBolletta() override;

    // Opens the window modally over the screen and returns when it is gone.
    static void Mostra(TfrmArchivio& screen, const reading::Reader& reader);
    // After a bill came in as the card's photo: asks whether to read it, and
    // on Yes opens the window.
    static void Proponi(TfrmArchivio& screen, const reading::Reader& reader);

    // The rows on show, once the reading has ended.
    const QVector<reading::Row>& rows() const { return rows_; }

public Q_SLOTS:
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    void readingEnded();
    void showProgress();
    void pollProgress();
    void fillTable();
    void tickChanged();

    TfrmArchivio& screen_;
    std::shared_ptr<reading::ReadingJob> job_;
    QVector<reading::Row> rows_;
    QTimer* poll_;
    bool reading_ = true;

    QLabel* lblRigo01;
    QLabel* lblLettura;
    QProgressBar* prgLettura;
    QTableWidget* grdDati;
    QLabel* lblRigo02;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;
};
