#pragma once

#include "household/ChosenCard.h"
#include "ui/GradientDialog.h"

#include <optional>

class QPushButton;
class QTableWidget;
class TfrmSpese;

// The cards the spending overview could not sum (frmSchedeEscluse): archive,
// position and result line, so that the user can find and correct them. A
// double-click opens the card in its archive screen and closes both windows.
class TfrmSchedeEscluse : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {900, 480};
    static constexpr QSize PanelSize {884, 464};

    explicit TfrmSchedeEscluse(TfrmSpese& spese);
    ~TfrmSchedeEscluse() override;

    // The card to open, once the window has gone; none when it was closed.
    const std::optional<ChosenCard>& chosen() const { return chosen_; }

public Q_SLOTS:
    void grdEscluseDblClick();
    void btnChiudiClick();

private:
    void fillList();

    TfrmSpese& spese_;
    std::optional<ChosenCard> chosen_;
    QTableWidget* grdEscluse;
    QPushButton* btnChiudi;
};
