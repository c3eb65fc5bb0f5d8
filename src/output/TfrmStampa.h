#pragma once

#include "report/CardReport.h"
#include "ui/GradientDialog.h"

#include <QImage>

struct Categoria;
class QLabel;
class QPushButton;
class TfrmArchivio;

// The card print window of one category (frmStampaLuce, frmStampaRifiuti...):
// prints the card the archive screen shows at this moment, saved or not, on
// one A4 page. The texts come from the screen's edit boxes and the picture
// from its photo; the record file is not read. The window closes after the
// print dialog, whether the print was confirmed or cancelled.
class TfrmStampa : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {364, 287};
    static constexpr QSize PictureSize {297, 184};

    explicit TfrmStampa(TfrmArchivio& schermo);

    // The picture that goes on the page: the screen's photo as it was when the
    // window was shown, or the default picture when there was none.
    QImage Logo() const { return logo_; }
    // What goes on the page: the texts of the screen's edit boxes as they are
    // now, trimmed, and the picture of Logo().
    Reports::CardData Dati() const;

    // Opens a print window owned by the archive screen, modally; returns when
    // it has gone.
    static void Mostra(TfrmArchivio& schermo);

public Q_SLOTS:
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TfrmArchivio& schermo_;
    QLabel* imgLogo = nullptr;
    QLabel* imgTemp = nullptr;
    QImage predefinita_;
    QImage logo_;
};
