#pragma once

#include <QString>

#include <optional>

// The password store: "unins000.dll" in the program folder, an INI text file
// whose section "Accesso" holds the scrambled password as key "Valore".
class PasswordStore {
public:
    static QString fileName(); // "unins000.dll"
    static QString path(); // in the program folder

    // The stored value. A missing file, section or key reads as the empty
    // text; no value means the file is there but could not be read.
    static std::optional<QString> readValue();

    // Puts value under Accesso/Valore, creating what is missing and keeping
    // the rest of the file as it was. The file is replaced in one step (a
    // new copy is written beside it, then renamed over it), so a failure or
    // a crash half-way leaves the previous store whole. A store that is a
    // symbolic link is replaced by a regular file, never written through.
    // False when the store could not be written.
    static bool writeValue(const QString& value);

    // The password the store holds: the value unscrambled and trimmed. No
    // value when the file cannot be read or the value is not hex.
    static std::optional<QString> storedPassword();

    // Stores password in the form every login compares with: letters a to z
    // in upper case, trimmed, scrambled. The caller makes sure the scrambler
    // keeps it (Crypt::keeps).
    static bool storePassword(const QString& password);
};
