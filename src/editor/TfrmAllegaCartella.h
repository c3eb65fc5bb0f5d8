#pragma once

#include "ui/GradientDialog.h"

#include <QImage>

class QLabel;
class QLineEdit;
class QPushButton;

// The attachments dialog, one window for every category: fills, opens and
// clears the three attachment slots of a card. A file chosen with
// "Sfoglia..." is copied into the attachments folder at once; the names and
// descriptions go back into the archive screen named by the tag in lblMemory
// only on "Applica e chiudi", and reach the record when that card is saved.
//
// A PDF document chosen for a card that shows the placeholder photo may also
// give the card its photo: page 1 is kept aside when the user agrees, and
// goes into the card's picture on "Applica e chiudi" unless the slot it came
// with was cleared or filled again by then.
class TfrmAllegaCartella : public GradientDialog {
    Q_OBJECT
public:
    static constexpr int Slots = 3;

    explicit TfrmAllegaCartella(QWidget* owner);

    void ImpostaTag(const QString& tag);
    // Fills slot 1 to 3 with a file name and its description.
    void ImpostaSlot(int slot, const QString& file, const QString& descrizione);
    // True once "Applica e chiudi" has put a PDF attachment's page on the
    // card as its photo.
    bool tookDocumentPage() const { return tookDocumentPage_; }

public Q_SLOTS:
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    struct Slot {
        QLineEdit* txtFile = nullptr;
        QLineEdit* txtDesc = nullptr;
        QPushButton* btnSfoglia = nullptr;
        QPushButton* btnApri = nullptr;
    };
    void creaSlot(int n, int y);
    void offerPhoto(int slot, const QString& chosen);

    Slot slot_[Slots];
    QLabel* lblMemory;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;
    // Page 1 of the PDF document in slot pendingSlot_ (0: none), for the
    // card's photo.
    int pendingSlot_ = 0;
    QImage pendingPhoto_;
    QString pendingDocument_;
    bool tookDocumentPage_ = false;
};
