#pragma once

#include "household/ChosenCard.h"
#include "household/DuePayments.h"
#include "ui/GradientDialog.h"

#include <QDate>

#include <optional>

class QLabel;
class QPushButton;
class QTableView;
class DueModel;

// " Scadenze dei pagamenti": every card of the ten archives still to be
// paid, the late and near ones first, with the total to pay. Built from the
// record files each time it is shown. A double-click on a row chooses that
// card (checked unchanged since it was listed) and closes the window; the
// opener then shows it in its archive screen.
class TfrmScadenze : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {980, 600};
    static constexpr QSize PanelSize {964, 584};

    explicit TfrmScadenze(QWidget* owner);
    ~TfrmScadenze() override;

    // The card the user chose, once the window has closed on it.
    const std::optional<ChosenCard>& chosen() const { return chosen_; }

public Q_SLOTS:
    void grdScadenzeDblClick(const QModelIndex& index);
    void btnStampaClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildList();

    QDate today_;
    DuePayments::List list_;
    std::optional<ChosenCard> chosen_;
    DueModel* model_;
    QTableView* grdScadenze;
    QLabel* lblTotale;
    QLabel* lblAvvisi;
    QPushButton* btnStampa;
    QPushButton* btnChiudi;
};
