#include "output/Spreadsheet.h"

#include "archive/Categoria.h"
#include "archive/FieldText.h"
#include "output/CardGrid.h"
#include "platform/SafeFile.h"

#include <QBuffer>

namespace {

// Everything before the worksheet's name, and from it to the first header cell.
constexpr char Apertura[] = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                            "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                            "xmlns=\"http://www.w3.org/TR/REC-html40\">"
                            "<head>"
                            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                            "<!--[if gte mso 9]><xml>"
                            "<x:ExcelWorkbook>"
                            "<x:ExcelWorksheets>"
                            "<x:ExcelWorksheet>"
                            "<x:Name>";
constexpr char DopoNome[] = "</x:Name>"
                            "<x:WorksheetOptions>"
                            "<x:Selected/>"
                            "<x:Panes>"
                            "<x:Pane>"
                            "<x:Number>1</x:Number>"
                            "<x:ActiveRow>3</x:ActiveRow>"
                            "</x:Pane>"
                            "</x:Panes>"
                            "<x:ProtectContents>False</x:ProtectContents>"
                            "<x:ProtectObjects>False</x:ProtectObjects>"
                            "<x:ProtectScenarios>False</x:ProtectScenarios>"
                            "</x:WorksheetOptions>"
                            "</x:ExcelWorksheet>"
                            "</x:ExcelWorksheets>"
                            "</x:ExcelWorkbook>"
                            "</xml><![endif]-->"
                            "</head>"
                            "<body>"
                            "<table x:str>"
                            "<tr>";
constexpr char Intestazione[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char Cella[] = "<td style=\"text-align: left;\">";
constexpr char FineCella[] = "</td>";
constexpr char Chiusura[] = "</table></body></html>";

constexpr qsizetype Blocco = 1 << 20; // written to the device whenever this much is ready

// C0 controls, DEL and C1 controls. The five C1 characters that stand for the
// bytes Windows-1252 leaves undefined (81 8D 8F 90 9D, as a record file may
// hold them) would otherwise reach the file as those bytes.
bool controllo(char32_t codice)
{
    return codice < 0x20 || (codice >= 0x7F && codice <= 0x9F);
}

// Characters that XML 1.0 allows in no form, not even as a reference: the C0
// controls other than tab and the two line breaks, and the noncharacters
// FFFE and FFFF. A strict reader refuses "&#0;" and the file with it.
bool vietatoInXml(char32_t codice)
{
    return (codice < 0x20 && codice != U'\t' && codice != U'\n' && codice != U'\r') || codice == 0xFFFE
        || codice == 0xFFFF;
}

void riferimento(QByteArray& out, char32_t codice)
{
    out += "&#";
    out += QByteArray::number(quint32(codice));
    out += ';';
}

// appendText for any text: character by character.
void aggiungiOgniCarattere(QByteArray& out, QStringView testo)
{
    // One byte per character, a surrogate pair included; "?" for a character
    // that has no byte.
    const QByteArray byte = FieldText::encode(testo);
    qsizetype b = 0;
    for (qsizetype i = 0; i < testo.size(); ++i, ++b) {
        const QChar c = testo[i];
        char32_t codice = c.unicode();
        if (c.isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate()) {
            codice = QChar::surrogateToUcs4(c, testo[i + 1]);
            ++i;
        } else if (c.isSurrogate()) {
            codice = QChar::ReplacementCharacter; // half a pair stands for nothing
        }
        switch (codice) {
        case U'&':
            out += "&amp;";
            continue;
        case U'<':
            out += "&lt;";
            continue;
        case U'>':
            out += "&gt;";
            continue;
        default:
            break;
        }
        if (vietatoInXml(codice)) {
            // The replacement character shows the reader that something was
            // there, where writing nothing would hide it.
            riferimento(out, QChar::ReplacementCharacter);
            continue;
        }
        const char byteCarattere = b < byte.size() ? byte.at(b) : '?';
        if (controllo(codice) || (byteCarattere == '?' && codice != U'?'))
            riferimento(out, codice);
        else
            out += byteCarattere;
    }
}

} // namespace

void Spreadsheet::appendText(QByteArray& out, QStringView testo)
{
    testo = FieldText::trimmed(testo);
    // Most cells are plain ASCII with nothing to escape: those characters are
    // their own bytes. The first one that needs more hands the rest over.
    const qsizetype inizio = out.size();
    out.resize(inizio + testo.size());
    char* scritto = out.data() + inizio;
    qsizetype i = 0;
    for (; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        if (c < 0x20 || c > 0x7E || c == u'&' || c == u'<' || c == u'>')
            break;
        scritto[i] = char(c);
    }
    out.resize(inizio + i);
    if (i < testo.size())
        aggiungiOgniCarattere(out, testo.mid(i));
}

bool Spreadsheet::write(
    QIODevice& out, const Categoria& categoria, const QList<ExportColumn>& colonne, const CardGrid& righe)
{
    QByteArray buffer;
    buffer.reserve(Blocco + 4096);
    auto svuota = [&](bool comunque) {
        if (!comunque && buffer.size() < Blocco)
            return true;
        const bool ok = out.write(buffer) == buffer.size();
        buffer.clear();
        return ok;
    };

    buffer += Apertura;
    appendText(buffer, categoria.NomeFoglio());
    buffer += DopoNome;
    for (const ExportColumn& c : colonne) {
        buffer += Intestazione;
        buffer += QByteArray::number(c.larghezzaFile);
        buffer += '>';
        appendText(buffer, c.intestazioneFile);
        buffer += FineCella;
    }
    buffer += "</tr>";

    const int quante = qMin(int(colonne.size()), CardGrid::Colonne);
    for (int r = 0; r < righe.righe(); ++r) {
        buffer += "<tr>";
        for (int c = 0; c < quante; ++c) {
            buffer += Cella;
            appendText(buffer, righe.testo(r, c));
            buffer += FineCella;
        }
        buffer += "</tr>";
        if (!svuota(false))
            return false;
    }
    buffer += Chiusura;
    return svuota(true);
}

QByteArray Spreadsheet::content(const Categoria& categoria, const QList<ExportColumn>& colonne, const CardGrid& righe)
{
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    write(b, categoria, colonne, righe);
    return bytes;
}

bool Spreadsheet::save(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi)
{
    // Unbuffered, so every write of `scrivi` is checked as it reaches the
    // disk; the writers hand over large blocks, so no speed is lost. A link
    // planted under the sheet's name is replaced, not written through.
    return SafeFile::write(percorso, scrivi);
}
