#pragma once

#include "household/ChosenCard.h"
#include "household/SpendingSummary.h"
#include "ui/GradientDialog.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class SpendingChart;

// The spending overview (frmSpese): what the household spent, per archive
// and month of a year (or per year), as a table and a chart, with the cards
// that could not be summed one click away. It reads the ten archives once,
// when it opens; changing the year works on what was read. It writes only
// the spreadsheet file the user asks for.
class TfrmSpese : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {1136, 732};
    static constexpr QSize PanelSize {1120, 716};

    explicit TfrmSpese(QWidget* owner);
    ~TfrmSpese() override;

    // Opens the overview modally over `owner`; the card the user chose to
    // open from the excluded list, if any, once it has gone.
    static std::optional<ChosenCard> Mostra(QWidget* owner);

    const SpendingSummary& summary() const { return summary_; }
    int year() const { return year_; }
    const std::optional<ChosenCard>& chosen() const { return chosen_; }
    // Reads the ten archives again and shows them, keeping the year when it
    // still has cards.
    void readAgain();

public Q_SLOTS:
    void cmbAnnoChange();
    void btnEscluseClick();
    void btnStampaClick();
    void btnEsportaClick();
    void btnChiudiClick();

private:
    void fillYears(int wanted);
    void showYear();

    SpendingSummary summary_;
    int year_ = SpendingSummary::AllYears;
    std::optional<ChosenCard> chosen_;

    QComboBox* cmbAnno;
    QTableWidget* grdSpese;
    QLabel* lblEscluse;
    QPushButton* btnEscluse;
    QLabel* lblAvvisi;
    SpendingChart* imgGrafico;
    QPushButton* btnStampa;
    QPushButton* btnEsporta;
    QPushButton* btnChiudi;
};
