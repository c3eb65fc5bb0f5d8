#include "app/PasswordStore.h"

#include "app/Crypt.h"
#include "app/TextRules.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>

// The file is handled as bytes, line by line, the way the usual INI readers
// do: names of sections and keys compare without regard to case, blanks
// around names and values do not count, the first matching key wins. Lines
// this program does not own are written back byte for byte.

namespace {

const QByteArray Section = "Accesso";
const QByteArray Key = "Valore";
const QByteArray NewLine = "\r\n";

struct Line {
    QByteArray text; // without the line break
    QByteArray ending; // "\r\n", "\n" or empty for a last line without one
};

QList<Line> splitLines(const QByteArray& data)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype lf = data.indexOf('\n', start);
        if (lf < 0) {
            lines.append({data.mid(start), {}});
            break;
        }
        qsizetype end = lf;
        if (end > start && data.at(end - 1) == '\r')
            --end;
        lines.append({data.mid(start, end - start), data.mid(end, lf + 1 - end)});
        start = lf + 1;
    }
    return lines;
}

// "[Name]" -> Name, for a section header; empty otherwise.
QByteArray sectionName(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return {};
    return t.mid(1, t.size() - 2).trimmed();
}

bool isKeyLine(const QByteArray& line, QByteArray* value = nullptr)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.trimmed().startsWith(';'))
        return false;
    if (line.left(eq).trimmed().compare(Key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}

bool isOurSection(const QByteArray& line)
{
    return sectionName(line).compare(Section, Qt::CaseInsensitive) == 0;
}

// Where the file's key line is (-1: none) and where our section starts (-1: none).
struct Position {
    qsizetype section = -1;
    qsizetype key = -1;
};

Position locate(const QList<Line>& lines)
{
    Position pos;
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& t = lines.at(i).text;
        if (!sectionName(t).isEmpty()) {
            // Only the first section of our name counts.
            inside = pos.section < 0 && isOurSection(t);
            if (inside)
                pos.section = i;
            continue;
        }
        if (inside && isKeyLine(t)) {
            pos.key = i;
            break;
        }
    }
    return pos;
}

// A UTF-8 byte-order mark, as a text editor may put in front of the file.
const QByteArray Bom = "\xEF\xBB\xBF";

// The file's bytes without the mark: reading and writing must both see the
// first line's section behind it.
QByteArray withoutBom(const QByteArray& data)
{
    return data.startsWith(Bom) ? data.mid(Bom.size()) : data;
}

// Whole file or nothing; a missing file reads as empty. A store that is a
// link is read through it, and a link that points nowhere reads as a missing
// store (QFileInfo follows links), so writing then puts a new store there.
std::optional<QByteArray> readFile(bool* exists)
{
    QFile f(PasswordStore::path());
    *exists = QFileInfo::exists(PasswordStore::path());
    if (!*exists)
        return QByteArray();
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

} // namespace

QString PasswordStore::fileName()
{
    return QStringLiteral("unins000.dll");
}

QString PasswordStore::path()
{
    return ProgramFolder::file(fileName());
}

std::optional<QString> PasswordStore::readValue()
{
    bool exists = false;
    const std::optional<QByteArray> data = readFile(&exists);
    if (!data)
        return std::nullopt;
    const QList<Line> lines = splitLines(withoutBom(*data));
    const Position pos = locate(lines);
    QByteArray value;
    if (pos.key >= 0)
        isKeyLine(lines.at(pos.key).text, &value);
    return QString::fromLatin1(value);
}

bool PasswordStore::writeValue(const QString& value)
{
    bool exists = false;
    const std::optional<QByteArray> data = readFile(&exists);
    // A store that is there but unreadable is not ours to replace.
    if (!data)
        return false;

    QList<Line> lines = splitLines(withoutBom(*data));
    const QByteArray keyLine = Key + '=' + value.toLatin1();
    const Position pos = locate(lines);
    if (pos.key >= 0) {
        lines[pos.key].text = keyLine;
    } else if (pos.section >= 0) {
        Line& header = lines[pos.section];
        if (header.ending.isEmpty())
            header.ending = NewLine;
        lines.insert(pos.section + 1, {keyLine, header.ending});
    } else {
        if (!lines.isEmpty() && lines.last().ending.isEmpty())
            lines.last().ending = NewLine;
        lines.append({'[' + Section + ']', NewLine});
        lines.append({keyLine, NewLine});
    }

    // The mark stays where it was: the file is the user's as much as ours.
    QByteArray out = data->startsWith(Bom) ? Bom : QByteArray();
    for (const Line& l : std::as_const(lines))
        out += l.text + l.ending;

    // A store that is a symbolic link is replaced by a regular file, never
    // written through.
    return SafeFile::write(path(), out);
}

std::optional<QString> PasswordStore::storedPassword()
{
    const std::optional<QString> value = readValue();
    if (!value)
        return std::nullopt;
    const std::optional<QString> password = Crypt::Decodifica(*value);
    if (!password)
        return std::nullopt;
    return trimmedText(*password);
}

bool PasswordStore::storePassword(const QString& password)
{
    return writeValue(trimmedText(Crypt::Codifica(trimmedText(upperAtoZ(password)))));
}
