#pragma once

#include <QString>

// Messages about the record file that every window reading it shows alike.
namespace ArchiveMessages {

// The record file could not be opened, read or written.
inline QString accessFailed()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                          "programma.");
}

} // namespace ArchiveMessages
