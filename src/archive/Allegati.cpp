#include "Allegati.h"

#include "Dialogs.h"
#include "Platform.h"
#include "Testo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Allegati {

QString Cartella() { return ProgramFolder::file(QStringLiteral("Documenti_Allegati")); }

QString NomeNudo(const QString& nome)
{
    QString n = Testo::pulito(nome).toString();
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = n.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        n = n.mid(slash + 1);
    if (n == QLatin1String(".") || n == QLatin1String(".."))
        return {};
    return n;
}

QString Percorso(const QString& nome)
{
    const QString n = NomeNudo(nome);
    if (n.isEmpty())
        return {};
    return Cartella() + QLatin1Char('/') + n;
}

namespace {
// Copies through a temporary file in the destination folder, so an existing
// attachment is replaced only by a complete copy (and a file copied onto
// itself survives).
bool copia(const QString& sorgente, const QString& destinazione)
{
    QFile in(sorgente);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // Unbuffered: every write below reaches the disk before it is counted.
    // With a buffer, the last bytes failing to go out at commit() (a full
    // disk) would go unnoticed and a short copy would take the name.
    QSaveFile out(destinazione);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}
} // namespace

QString Allega(QWidget* parent, const QString& sorgente)
{
    const QString nome = NomeNudo(sorgente);
    if (nome.isEmpty() || !QDir().mkpath(Cartella()))
        return nome;
    const QString destinazione = Cartella() + QLatin1Char('/') + nome;
    if (QFileInfo::exists(destinazione)) {
        const auto risposta = Dialogs::current().question(
            parent, QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                                   "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
        if (risposta == Dialogs::Answer::No)
            return nome;
    }
    copia(sorgente, destinazione);
    return nome;
}

void Apri(const QString& nome)
{
    const QString percorso = Percorso(nome);
    if (percorso.isEmpty())
        return;
    TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(percorso) + QLatin1Char('"'));
}

} // namespace Allegati
