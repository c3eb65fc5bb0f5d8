#pragma once

#include "editor/CardFields.h"

#include <QString>

// What a key pressed in a card field does, decided without a widget.
enum class KeyAction {
    PassOn, // the field handles it as an ordinary edit
    Swallow, // nothing happens
    Clear, // the field is emptied (a date's Delete or Backspace)
    PickDate, // the date picker opens
    NextField, // the focus moves to the next field in tab order
};

// `key` is the Qt key code, `text` what the key types.
KeyAction fieldKeyAction(FieldKind kind, int key, const QString& text);
