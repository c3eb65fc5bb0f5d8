#pragma once

#include "household/AllCardsSearch.h"
#include "household/ChosenCard.h"
#include "ui/GradientDialog.h"

#include <optional>

class FoundModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// " Trova in tutti gli archivi": a text looked for in every card of the ten
// archives, the cards where it occurs listed by archive with their search
// line. A double-click on a row chooses that card (checked unchanged since it
// was listed) and closes the window; the opener shows it in its archive
// screen.
class TfrmTrovaTutto : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {980, 600};
    static constexpr QSize PanelSize {964, 584};

    explicit TfrmTrovaTutto(QWidget* owner);
    ~TfrmTrovaTutto() override;

    const std::optional<ChosenCard>& chosen() const { return chosen_; }

public Q_SLOTS:
    void btnCercaClick();
    void grdRisultatiDblClick(const QModelIndex& index);
    void btnChiudiClick();

private:
    void showResult();

    AllCardsSearch::Result result_;
    QString searched_; // the text of the last search, for reading the list again
    std::optional<ChosenCard> chosen_;
    FoundModel* model_;
    QLineEdit* txtCerca;
    QPushButton* btnCerca;
    QTableView* grdRisultati;
    QLabel* lblTrovate;
    QLabel* lblAvvisi;
    QPushButton* btnChiudi;
};
