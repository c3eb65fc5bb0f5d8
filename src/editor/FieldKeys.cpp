#include "editor/FieldKeys.h"

#include "editor/FieldInput.h"

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isDelete(int key)
{
    return key == Qt::Key_Backspace || key == Qt::Key_Delete;
}

// Keys that move the focus or only change others: they never reach a field's
// own key handling.
bool isServiceKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}

} // namespace

KeyAction fieldKeyAction(FieldKind kind, int key, const QString& text)
{
    if (isServiceKey(key))
        return KeyAction::PassOn;
    switch (kind) {
    case FieldKind::Date:
        return isDelete(key) ? KeyAction::Clear : KeyAction::PickDate;
    case FieldKind::Amount:
    case FieldKind::TaxCode:
        if (isEnter(key))
            return KeyAction::NextField;
        if (isDelete(key) || key == Qt::Key_Left || key == Qt::Key_Right)
            return KeyAction::PassOn;
        if (text.size() == 1 && (kind == FieldKind::Amount ? isAmountChar(text[0]) : isTaxCodeChar(text[0])))
            return KeyAction::PassOn;
        return KeyAction::Swallow;
    case FieldKind::Text:
        break;
    }
    return isEnter(key) ? KeyAction::NextField : KeyAction::PassOn;
}
