#include "archive/Allegati.h"

#include "archive/Testo.h"
#include "archive/Tracciato.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Allegati {

QString Cartella()
{
    return ProgramFolder::file(QStringLiteral("Documenti_Allegati"));
}

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

// Bytes a file name may take in a card's field (File01 to File03).
int larghezzaNome()
{
    const Tracciato& t = Tracciato::di(Tipo::TSchedaBolletta);
    return t.larghezza(t.indice("File01"));
}

// Copies through a temporary file in the destination folder, so an existing
// attachment is replaced only by a complete copy (and a file copied onto
// itself survives).
bool copia(const QString& sorgente, const QString& destinazione)
{
    QFile in(sorgente);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return SafeFile::write(destinazione, [&in](QIODevice& out) {
        char buffer[64 * 1024];
        for (;;) {
            const qint64 n = in.read(buffer, sizeof buffer);
            if (n < 0)
                return false;
            if (n == 0)
                return true;
            if (out.write(buffer, n) != n)
                return false;
        }
    });
}

} // namespace

QString NomeRegistrabile(const QString& sorgente)
{
    QString n = sorgente;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    n = NomeNudo(n.mid(n.lastIndexOf(QLatin1Char('/')) + 1));
    if (n.isEmpty())
        return {};
    QString nome;
    nome.reserve(n.size());
    for (qsizetype i = 0; i < n.size(); ++i) {
        const char16_t c = n.at(i).unicode();
        if (Testo::codificabile(c)) {
            nome += QChar(c);
        } else {
            // A surrogate pair is one character: one "_" for both halves.
            if (QChar::isHighSurrogate(c) && i + 1 < n.size() && n.at(i + 1).isLowSurrogate())
                ++i;
            nome += QLatin1Char('_');
        }
    }
    // One byte per character in the record: cut the stem, keep the extension
    // (a dot after the first character; a very long "extension" is no
    // extension and is cut with the rest).
    const int massimo = larghezzaNome();
    if (nome.size() > massimo) {
        const qsizetype punto = nome.lastIndexOf(QLatin1Char('.'));
        const qsizetype estensione = punto > 0 ? nome.size() - punto : 0;
        if (estensione > 0 && estensione < massimo / 2)
            nome = nome.left(massimo - estensione) + nome.mid(punto);
        else
            nome.truncate(massimo);
        nome = NomeNudo(nome);
    }
    return nome;
}

bool Presente(const QString& nome)
{
    const QString percorso = Percorso(nome);
    return !percorso.isEmpty() && SafeFile::exists(percorso);
}

bool Copia(const QString& sorgente, const QString& nome)
{
    const QString destinazione = Percorso(nome);
    if (destinazione.isEmpty() || !QDir().mkpath(Cartella()))
        return false;
    return copia(sorgente, destinazione);
}

void Apri(const QString& nome)
{
    const QString percorso = Percorso(nome);
    if (percorso.isEmpty())
        return;
    TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(percorso) + QLatin1Char('"'));
}

} // namespace Allegati
