#include "editor/Navigation.h"

#include "archive/FieldText.h"

Step navigate(RecordArrow arrow, int count, const QString& position)
{
    using A = Step::Action;
    const QString p = FieldText::trimmed(position).toString();
    int n = 0;
    if (!p.isEmpty()) {
        bool ok = false;
        n = p.toInt(&ok);
        if (!ok)
            return {A::Error, 0, false};
    }

    switch (arrow) {
    case RecordArrow::First:
        return count == 0 ? Step {A::Empty, 0, false} : Step {A::Show, 1, false};
    case RecordArrow::Last:
        return count == 0 ? Step {A::Empty, 0, false} : Step {A::Show, count, false};
    case RecordArrow::Forward:
        if (count == 0)
            return {A::Empty, 0, true};
        if (n < count)
            return {A::Show, n + 1, false};
        return {A::Nothing, 0, false};
    case RecordArrow::Back:
        if (p == QLatin1String("1"))
            return {A::Nothing, 0, false};
        if (count == 0)
            return {A::Empty, 0, false};
        if (p.isEmpty())
            return {A::Show, 1, false};
        // A label of 0 or below names no card: reading it fails like any
        // card that is not in the file.
        return {A::Show, n - 1, false};
    }
    return {};
}
