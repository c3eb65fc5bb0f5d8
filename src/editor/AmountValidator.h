#pragma once

#include "editor/FieldInput.h"

#include <QValidator>

// Refuses an edit of the amount field, typed or pasted, after which the
// amount would no longer fit in the field once normalised (at most twelve
// digits before the comma): normalising it would cut it.
class AmountValidator : public QValidator {
public:
    AmountValidator(int width, QObject* parent)
        : QValidator(parent)
        , width_(width)
    { }
    State validate(QString& text, int&) const override { return amountFits(text, width_) ? Acceptable : Invalid; }

private:
    int width_;
};
