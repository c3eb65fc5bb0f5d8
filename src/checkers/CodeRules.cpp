#include "checkers/CodeRules.h"

#include <array>

namespace {

// The two conversion tables of the check character, indexed from '0' to 'Z':
// ten digits, the seven signs between '9' and 'A' (which count nothing), and
// the twenty-six letters.
constexpr int Primo = '0';
constexpr int Ultimo = 'Z';
constexpr int Voci = Ultimo - Primo + 1;
static_assert(Voci == 43, "from '0' to 'Z'");

// clang-format off
constexpr std::array<int, Voci> Dispari = {
    // 0  1  2  3  4   5   6   7   8   9
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,
    // : ; < = > ? @
    0, 0, 0, 0, 0, 0, 0,
    // A  B  C  D  E   F   G   H   I   J  K  L   M   N   O  P  Q  R   S   T   U   V   W   X   Y   Z
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23,
};

constexpr std::array<int, Voci> Pari = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,
    0, 0, 0, 0, 0, 0, 0,
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
};
// clang-format on

int valore(const std::array<int, Voci>& tabella, QChar c)
{
    const int u = c.unicode();
    return u >= Primo && u <= Ultimo ? tabella[std::size_t(u - Primo)] : 0;
}

bool cifra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The provincial VAT offices by the code in characters 8 to 10 of a partita
// IVA. 120 and 121 are later codes of the offices 101 and 102.
struct Ufficio {
    int codice;
    const char* nome;
};
constexpr Ufficio Uffici[] = {
    {1, "Torino"},
    {2, "Vercelli"},
    {3, "Novara"},
    {4, "Cuneo"},
    {5, "Asti"},
    {6, "Alessandria"},
    {7, "Aosta"},
    {8, "Imperia"},
    {9, "Savona"},
    {10, "Genova 1"},
    {11, "La Spezia"},
    {12, "Varese"},
    {13, "Como"},
    {14, "Sondrio"},
    {15, "Milano 1"},
    {16, "Bergamo"},
    {17, "Brescia 1"},
    {18, "Pavia"},
    {19, "Cremona"},
    {20, "Mantova"},
    {21, "Bolzano"},
    {22, "Trento"},
    {23, "Verona"},
    {24, "Vicenza"},
    {25, "Belluno"},
    {26, "Treviso"},
    {27, "Venezia"},
    {28, "Padova"},
    {29, "Rovigo"},
    {30, "Udine"},
    {31, "Gorizia"},
    {32, "Trieste"},
    {33, "Piacenza"},
    {34, "Parma"},
    {35, "Reggio Emilia"},
    {36, "Modena"},
    {37, "Bologna 1"},
    {38, "Ferrara"},
    {39, "Ravenna"},
    {40, "Forlì"},
    {41, "Pesaro"},
    {42, "Ancona"},
    {43, "Macerata"},
    {44, "Ascoli Piceno"},
    {45, "Massa Carrara"},
    {46, "Lucca"},
    {47, "Pistoia"},
    {48, "Firenze 1"},
    {49, "Livorno"},
    {50, "Pisa"},
    {51, "Arezzo"},
    {52, "Siena"},
    {53, "Grosseto"},
    {54, "Perugia"},
    {55, "Terni"},
    {56, "Viterbo"},
    {57, "Rieti"},
    {58, "Roma 1"},
    {59, "Latina"},
    {60, "Frosinone"},
    {61, "Caserta"},
    {62, "Benevento"},
    {63, "Napoli 1"},
    {64, "Avellino"},
    {65, "Salerno"},
    {66, "Aquila"},
    {67, "Teramo"},
    {68, "Pescara"},
    {69, "Chieti"},
    {70, "Campobasso"},
    {71, "Foggia"},
    {72, "Bari"},
    {73, "Taranto"},
    {74, "Brindisi"},
    {75, "Lecce"},
    {76, "Potenza"},
    {77, "Matera"},
    {78, "Cosenza"},
    {79, "Catanzaro"},
    {80, "Reggio Calabria"},
    {81, "Trapani"},
    {82, "Palermo"},
    {83, "Messina"},
    {84, "Agrigento"},
    {85, "Caltanissetta"},
    {86, "Enna"},
    {87, "Catania"},
    {88, "Ragusa"},
    {89, "Siracusa"},
    {90, "Sassari"},
    {91, "Nuoro"},
    {92, "Cagliari"},
    {93, "Pordenone"},
    {94, "Isernia"},
    {95, "Oristano"},
    {96, "Monza (Milano 2)"},
    {97, "Prato (Firenze 2)"},
    {98, "Brescia 2"},
    {99, "Chiavari (Genova 2)"},
    {100, "Roma 2"},
    {101, "Bologna 2"},
    {102, "Napoli 2"},
    {120, "Bologna 2"},
    {121, "Napoli 2"},
};
static_assert(sizeof(Uffici) / sizeof(Uffici[0]) == 104, "104 offices");

} // namespace

// ---- Codice fiscale ----------------------------------------------------------

QString TaxCode::upperCase(QStringView testo)
{
    QString s = testo.toString();
    for (QChar& c : s) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return s;
}

int TaxCode::oddValue(QChar c)
{
    return valore(Dispari, c);
}

int TaxCode::evenValue(QChar c)
{
    return valore(Pari, c);
}

QChar TaxCode::checkCharacter(QStringView testo)
{
    int somma = 0;
    // Positions counted from 1: odd ones are the even indexes.
    for (int i = 0; i < 15 && i < testo.size(); ++i)
        somma += i % 2 == 0 ? oddValue(testo[i]) : evenValue(testo[i]);
    return QChar(u'A' + somma % 26);
}

CheckResult TaxCode::check(QStringView testo)
{
    const QString codice = upperCase(testo);
    if (codice.size() != Length)
        return CheckResult::WrongLength;
    return codice.at(15) == checkCharacter(codice) ? CheckResult::Valid : CheckResult::Wrong;
}

// ---- Partita IVA --------------------------------------------------------------

bool VatNumber::digitsOnly(QStringView testo)
{
    if (testo.isEmpty())
        return false;
    for (QChar c : testo) {
        if (!cifra(c))
            return false;
    }
    return true;
}

int VatNumber::checkDigit(QStringView dieciCifre)
{
    int somma = 0;
    for (int i = 0; i < 10 && i < dieciCifre.size(); ++i) {
        const int d = dieciCifre[i].unicode() - '0';
        if (i % 2 == 0) {
            somma += d; // positions 1, 3, 5, 7, 9
        } else {
            const int doppio = 2 * d; // positions 2, 4, 6, 8, 10: the digits of the double
            somma += doppio / 10 + doppio % 10;
        }
    }
    return (10 - somma % 10) % 10;
}

CheckResult VatNumber::check(QStringView testo)
{
    if (testo.size() != Length)
        return CheckResult::WrongLength;
    if (!digitsOnly(testo))
        return CheckResult::Wrong;
    return testo[10].unicode() - '0' == checkDigit(testo) ? CheckResult::Valid : CheckResult::Wrong;
}

QString VatNumber::office(QStringView codice)
{
    if (codice.size() != 3 || !digitsOnly(codice))
        return {};
    const int n = codice.toInt();
    for (const Ufficio& u : Uffici) {
        if (u.codice == n)
            return QString::fromUtf8(u.nome);
    }
    return {};
}
