#pragma once

#include "checkers/CheckWindow.h"

// The partita IVA check: only digits can be typed. "Controlla" reports the
// result, naming the issuing office of a valid number, and closes the window,
// unless the number is not eleven characters long.
class TfrmPartitaIva : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* owner = nullptr);

    QLineEdit* txtPartitaIva() const { return campo_; }

    // The message for a valid number whose office is `ufficio` (maybe empty).
    static QString MessaggioValido(const QString& ufficio);

public Q_SLOTS:
    void btnControllaClick() override;

protected:
    bool scartaTasto(const QKeyEvent* e) override;
};
