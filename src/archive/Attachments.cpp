#include "archive/Attachments.h"

#include "archive/FieldText.h"
#include "archive/Tracciato.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Attachments {

QString folder()
{
    return ProgramFolder::file(QStringLiteral("Documenti_Allegati"));
}

QString bareName(const QString& nome)
{
    QString n = FieldText::trimmed(nome).toString();
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int slash = n.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        n = n.mid(slash + 1);
    if (n == QLatin1String(".") || n == QLatin1String(".."))
        return {};
    return n;
}

QString path(const QString& nome)
{
    const QString n = bareName(nome);
    if (n.isEmpty())
        return {};
    return folder() + QLatin1Char('/') + n;
}

namespace {

// Bytes a file name may take in a card's field (File01 to File03).
int nameWidth()
{
    const Tracciato& t = Tracciato::di(Tipo::TSchedaBolletta);
    return t.larghezza(t.indice("File01"));
}

// Copies through a temporary file in the destination folder, so an existing
// attachment is replaced only by a complete copy (and a file copied onto
// itself survives).
bool copyFile(const QString& sorgente, const QString& destinazione)
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

QString storableName(const QString& sorgente)
{
    QString n = sorgente;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    n = bareName(n.mid(n.lastIndexOf(QLatin1Char('/')) + 1));
    if (n.isEmpty())
        return {};
    QString nome;
    nome.reserve(n.size());
    for (qsizetype i = 0; i < n.size(); ++i) {
        const char16_t c = n.at(i).unicode();
        if (FieldText::encodable(c)) {
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
    const int massimo = nameWidth();
    if (nome.size() > massimo) {
        const qsizetype punto = nome.lastIndexOf(QLatin1Char('.'));
        const qsizetype estensione = punto > 0 ? nome.size() - punto : 0;
        if (estensione > 0 && estensione < massimo / 2)
            nome = nome.left(massimo - estensione) + nome.mid(punto);
        else
            nome.truncate(massimo);
        nome = bareName(nome);
    }
    return nome;
}

bool exists(const QString& nome)
{
    const QString percorso = path(nome);
    return !percorso.isEmpty() && SafeFile::exists(percorso);
}

bool copy(const QString& sorgente, const QString& nome)
{
    const QString destinazione = path(nome);
    if (destinazione.isEmpty() || !QDir().mkpath(folder()))
        return false;
    return copyFile(sorgente, destinazione);
}

void open(const QString& nome)
{
    const QString percorso = path(nome);
    if (percorso.isEmpty())
        return;
    TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(percorso) + QLatin1Char('"'));
}

} // namespace Attachments
