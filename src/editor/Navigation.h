#pragma once

#include <QString>

// The four record-arrow commands of the archive screen, as a pure rule:
// given the number of cards in the file and the position label, what to do.
enum class RecordArrow { First, Back, Forward, Last };

struct Step {
    enum class Action {
        Nothing, // nothing happens, no message
        Empty, // the empty-archive message
        Show, // read and show card `card`
        Error // the position label is not a number: the access message
    };
    Action action = Action::Nothing;
    int card = 0;
    bool clearPosition = false; // Next on an empty file also empties the label
};

// count: cards in the file; position: the position label as shown (it is
// trimmed here; empty means a card not yet stored).
Step navigate(RecordArrow arrow, int count, const QString& position);
