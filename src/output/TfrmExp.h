#pragma once

#include "output/CardGrid.h"
#include "output/ExportColumns.h"
#include "ui/GradientDialog.h"
#include "ui/ScaledPicture.h"

#include <QHash>

struct Categoria;
class PictureButton;
class QLabel;
class QTableView;

// The Excel export window of one category (frmExpLuce, frmExpRifiuti...):
// every card of the record file in a grid, some of whose columns the user may
// change, and the command that writes the grid to "Database_<Chiave>.xls" in
// the program folder. The record file is only read.
class TfrmExp : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {862, 560};

    explicit TfrmExp(const Categoria& categoria, QWidget* owner = nullptr);
    ~TfrmExp() override;

    const Categoria& categoria() const { return categoria_; }
    const QList<ExportColumn>& colonne() const { return colonne_; }
    const CardGrid& griglia() const { return griglia_; }
    // The full path of the export file.
    QString FileExcel() const;

    // Fills the grid from the record file; the window does it when shown.
    void CaricaGriglia();

public Q_SLOTS:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

Q_SIGNALS:
    // "?": the help on exporting this category.
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Modello;

    PictureButton* pulsante(
        const QString& nome, const PicturePainter& immagine, const QRect& dove, const QString& suggerimento);
    void silenzioso(QWidget* w);

    const Categoria& categoria_;
    const QList<ExportColumn> colonne_;
    CardGrid griglia_;
    Modello* modello_ = nullptr;
    QTableView* grdRecords = nullptr;
    QLabel* panInfo = nullptr;
    QHash<QObject*, QString> suggerimenti_;
    bool caricata_ = false;
};
