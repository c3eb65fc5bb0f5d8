#pragma once

#include "ui/GradientDialog.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

// The date picker: a month calendar whose "Importa" writes the chosen date
// into the date field named by the tag in lblMemory ("rifiuti_datasca"), in
// whichever archive screen that tag belongs to. A tag that names no date
// field writes nothing and leaves the window open.
class TfrmCalendario : public GradientDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* owner);

    void ImpostaTag(const QString& tag);
    QCalendarWidget* calendario() const { return calAppuntamenti; }

public Q_SLOTS:
    void btnImportaDataClick();
    void btnAnnullaClick();

private:
    QLabel* lblMemory;
    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;
};
