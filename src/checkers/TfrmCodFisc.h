#pragma once

#include "checkers/CheckWindow.h"

// The codice fiscale check. Shows the code it was given as it is; what the
// user types is kept trimmed and in capitals. "Controlla" reports the result
// and closes the window, unless the code is not sixteen characters long.
class TfrmCodFisc : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* owner = nullptr);

    QLineEdit* txtCodFisc() const { return campo_; }

public Q_SLOTS:
    void btnControllaClick() override;

protected:
    void testoDigitato(const QString& testo) override;
};
