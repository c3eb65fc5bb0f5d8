#pragma once

// Gives every archive screen its spreadsheet button (the export window), its
// print button (the card print window), its "?" (the help window on the
// archive screens' topic) and the check button beside the payer's code (the
// codice fiscale or partita IVA check). Each opening makes a new window owned
// by the archive screen, shows it modally and destroys it on closing.
void installHelpAndOutputWindows();
