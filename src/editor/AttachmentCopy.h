#pragma once

#include <QString>

class QWidget;

// Putting a chosen file into the attachments folder as a card's attachment,
// with the questions and messages the user reads on the way.
namespace AttachmentCopy {

// Copies `scelto` into the attachments folder under the name a card keeps
// for it, asking first when a file of that name is already there (on No,
// nothing is copied and the name refers to the file already there). The name
// for the slot; empty, after a message, when the copy failed: a card must
// never name a file that is not in the attachments folder.
QString copyChosen(QWidget* parent, const QString& scelto);

} // namespace AttachmentCopy
