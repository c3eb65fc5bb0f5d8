#include "household/TfrmSchedeEscluse.h"

#include "dialogs/Dialogs.h"
#include "household/AllArchives.h"
#include "household/SpendingLook.h"
#include "household/TfrmSpese.h"
#include "ui/Fonts.h"
#include "ui/Formats.h"
#include "ui/Palette.h"
#include "ui/Widgets.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QString Changed = QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione.");
} // namespace

TfrmSchedeEscluse::TfrmSchedeEscluse(TfrmSpese& spese)
    : GradientDialog(&spese, Palette::Denim, Qt::white, ClientSize, PanelSize)
    , spese_(spese)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmSchedeEscluse"));
    setWindowTitle(QStringLiteral(" Schede non incluse nel riepilogo"));
    QWidget* p = panel();
    Widgets::box(p, QStringLiteral("shpEscluse"), p->rect(), Palette::Snow, Palette::BoxBorder, 6);
    grdEscluse = SpendingLook::table(p, QStringLiteral("grdEscluse"), {12, 12, 860, 392}, {});
    // The result lines are fixed-width texts: they line up in a fixed font.
    QFont lines(QStringLiteral("Courier New"));
    lines.setStyleHint(QFont::Monospace);
    lines.setPixelSize(12);
    grdEscluse->setFont(lines);
    btnChiudi = Widgets::iconButton(
        p, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), Icon::Esci, {760, 416, 112, 36});
    connect(grdEscluse, &QTableWidget::cellDoubleClicked, this, &TfrmSchedeEscluse::grdEscluseDblClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSchedeEscluse::btnChiudiClick);
    fillList();
}

TfrmSchedeEscluse::~TfrmSchedeEscluse() = default;

void TfrmSchedeEscluse::fillList()
{
    QList<QStringList> rows;
    for (const ExcludedCard& e : spese_.summary().excluded())
        rows.append({e.categoria->Nome, QString::number(e.n), e.line});
    const QStringList header {QStringLiteral("Archivio"), QStringLiteral("N."), QStringLiteral("Scheda")};
    SpendingLook::fill(grdEscluse, header, rows, -1, false);
    grdEscluse->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 0; r < grdEscluse->rowCount(); ++r)
        grdEscluse->item(r, 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grdEscluse->setColumnWidth(0, 104);
    grdEscluse->setColumnWidth(1, 56);
    // The whole line, even where it is wider than the table: the amount the
    // user has to correct is at its end.
    grdEscluse->resizeColumnToContents(2);
}

void TfrmSchedeEscluse::grdEscluseDblClick()
{
    const int row = grdEscluse->currentRow();
    const QList<ExcludedCard>& all = spese_.summary().excluded();
    if (row < 0 || row >= all.size())
        return;
    const ExcludedCard e = all.at(row);
    std::optional<Scheda> card = AllArchives::cardIfUnchanged(*e.categoria, e.n, e.print);
    if (!card) {
        Dialogs::current().message(this, Dialogs::Kind::Warning, Changed);
        spese_.readAgain();
        fillList();
        return;
    }
    chosen_ = ChosenCard {e.categoria, e.n, std::move(*card)};
    accept();
}

void TfrmSchedeEscluse::btnChiudiClick()
{
    accept();
}
