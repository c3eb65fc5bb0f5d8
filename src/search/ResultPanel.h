#pragma once

#include "search/ResultLines.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class LineModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// The result panel (panContainer) that the search screen and the unpaid
// summary share: the find box with "Trova", the sorted monospaced list
// lstRecords, "Stampa" and "Chiudi", and the three fixed texts. The search
// screen's panel also has the count label lblTrovate.
//
// "Trova" and "Stampa" are handled here; a double-click on the list and
// "Chiudi" are the window's, which hears of them through the signals.
class ResultPanel : public QWidget {
    Q_OBJECT
public:
    // lastFind: the window's last find text, kept by the caller per category.
    // printTitle: the title the list report prints.
    ResultPanel(QWidget* parent, QString& lastFind, const QString& printTitle, bool countLabel);

    // Replaces the list (sorted here) and writes the count label.
    void setLines(ResultLines lines);
    // Empties the list.
    void clear();
    // The lines in the order shown.
    const ResultLines& lines() const;
    // The text of the selected line; a null text when none is selected.
    QString selectedLine() const;
    int selectedRow() const;
    void selectRow(int row);

    // Empties the last find text and the find box.
    void resetFind();
    QLineEdit* findBox() const { return txtTrova; }
    QListView* list() const { return lstRecords; }
    const QString& printTitle() const { return printTitle_; }

public Q_SLOTS:
    void btnTrovaClick();
    void btnStampaClick();

Q_SIGNALS:
    void openRequested(); // double-click on the list
    void closeRequested(); // "Chiudi"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString& lastFind_;
    QString printTitle_;
    LineModel* model_;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QListView* lstRecords;
    QLabel* lblTrovate = nullptr;
    QPushButton* btnStampa;
    QPushButton* btnChiudi;
};
