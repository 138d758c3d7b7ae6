#include "archive/checks/CheckRules.h"

#include <QStringView>
#include <cstring>
#include <initializer_list>

#include "platform/Text.h"

namespace Checks {

namespace {

bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool isAsciiUpper(QChar c) { return c.unicode() >= 'A' && c.unicode() <= 'Z'; }

// The letters standing for 0 to 9 in the numeric places of a twin code.
const QString kTwinDigits = QStringLiteral("LMNPQRSTUV");

// The check letter over the odd- and even-position tables; the codice
// fiscale and the Italian CIN share them. Null when a character lies
// outside 0-9 and A-Z.
QChar alternatingCheckLetter(QStringView text) {
    int sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Only digits and A-Z have values; the codes between them would
        // count as 0 and anything else lies outside the tables.
        if (!isAsciiDigit(c) && !isAsciiUpper(c)) return {};
        const size_t index = size_t(c.unicode() - kCharTableFirst);
        sum += (i % 2 == 0) ? kOddValues[index] : kEvenValues[index];  // position i + 1
    }
    return QChar('A' + sum % 26);
}

const UfficioIva kUffici[] = {
    {"001", "Torino"},
    {"002", "Vercelli"},
    {"003", "Novara"},
    {"004", "Cuneo"},
    {"005", "Asti"},
    {"006", "Alessandria"},
    {"007", "Aosta"},
    {"008", "Imperia"},
    {"009", "Savona"},
    {"010", "Genova 1"},
    {"011", "La Spezia"},
    {"012", "Varese"},
    {"013", "Como"},
    {"014", "Sondrio"},
    {"015", "Milano 1"},
    {"016", "Bergamo"},
    {"017", "Brescia 1"},
    {"018", "Pavia"},
    {"019", "Cremona"},
    {"020", "Mantova"},
    {"021", "Bolzano"},
    {"022", "Trento"},
    {"023", "Verona"},
    {"024", "Vicenza"},
    {"025", "Belluno"},
    {"026", "Treviso"},
    {"027", "Venezia"},
    {"028", "Padova"},
    {"029", "Rovigo"},
    {"030", "Udine"},
    {"031", "Gorizia"},
    {"032", "Trieste"},
    {"033", "Piacenza"},
    {"034", "Parma"},
    {"035", "Reggio Emilia"},
    {"036", "Modena"},
    {"037", "Bologna 1"},
    {"038", "Ferrara"},
    {"039", "Ravenna"},
    {"040", "Forlì"},
    {"041", "Pesaro"},
    {"042", "Ancona"},
    {"043", "Macerata"},
    {"044", "Ascoli Piceno"},
    {"045", "Massa Carrara"},
    {"046", "Lucca"},
    {"047", "Pistoia"},
    {"048", "Firenze 1"},
    {"049", "Livorno"},
    {"050", "Pisa"},
    {"051", "Arezzo"},
    {"052", "Siena"},
    {"053", "Grosseto"},
    {"054", "Perugia"},
    {"055", "Terni"},
    {"056", "Viterbo"},
    {"057", "Rieti"},
    {"058", "Roma 1"},
    {"059", "Latina"},
    {"060", "Frosinone"},
    {"061", "Caserta"},
    {"062", "Benevento"},
    {"063", "Napoli 1"},
    {"064", "Avellino"},
    {"065", "Salerno"},
    {"066", "Aquila"},
    {"067", "Teramo"},
    {"068", "Pescara"},
    {"069", "Chieti"},
    {"070", "Campobasso"},
    {"071", "Foggia"},
    {"072", "Bari"},
    {"073", "Taranto"},
    {"074", "Brindisi"},
    {"075", "Lecce"},
    {"076", "Potenza"},
    {"077", "Matera"},
    {"078", "Cosenza"},
    {"079", "Catanzaro"},
    {"080", "Reggio Calabria"},
    {"081", "Trapani"},
    {"082", "Palermo"},
    {"083", "Messina"},
    {"084", "Agrigento"},
    {"085", "Caltanissetta"},
    {"086", "Enna"},
    {"087", "Catania"},
    {"088", "Ragusa"},
    {"089", "Siracusa"},
    {"090", "Sassari"},
    {"091", "Nuoro"},
    {"092", "Cagliari"},
    {"093", "Pordenone"},
    {"094", "Isernia"},
    {"095", "Oristano"},
    {"096", "Monza (Milano 2)"},
    {"097", "Prato (Firenze 2)"},
    {"098", "Brescia 2"},
    {"099", "Chiavari (Genova 2)"},
    {"100", "Roma 2"},
    {"101", "Bologna 2"},
    {"102", "Napoli 2"},
    {"120", "Bologna 2"},
    {"121", "Napoli 2"},
};

// The IBAN registry: every country that issues IBANs and their length.
const IbanCountry kIbanCountries[] = {
    {"AD", 24}, {"AE", 23}, {"AL", 28}, {"AT", 20}, {"AZ", 28}, {"BA", 20}, {"BE", 16}, {"BG", 22}, {"BH", 22},
    {"BI", 27}, {"BR", 29}, {"BY", 28}, {"CH", 21}, {"CR", 22}, {"CY", 28}, {"CZ", 24}, {"DE", 22}, {"DJ", 27},
    {"DK", 18}, {"DO", 28}, {"EE", 20}, {"EG", 29}, {"ES", 24}, {"FI", 18}, {"FK", 18}, {"FO", 18}, {"FR", 27},
    {"GB", 22}, {"GE", 22}, {"GI", 23}, {"GL", 18}, {"GR", 27}, {"GT", 28}, {"HN", 28}, {"HR", 21}, {"HU", 28},
    {"IE", 22}, {"IL", 23}, {"IQ", 23}, {"IS", 26}, {"IT", 27}, {"JO", 30}, {"KW", 30}, {"KZ", 20}, {"LB", 28},
    {"LC", 32}, {"LI", 21}, {"LT", 20}, {"LU", 20}, {"LV", 21}, {"LY", 25}, {"MC", 27}, {"MD", 24}, {"ME", 22},
    {"MK", 19}, {"MN", 20}, {"MR", 27}, {"MT", 31}, {"MU", 30}, {"NI", 28}, {"NL", 18}, {"NO", 15}, {"OM", 23},
    {"PK", 24}, {"PL", 28}, {"PS", 29}, {"PT", 25}, {"QA", 29}, {"RO", 24}, {"RS", 22}, {"RU", 33}, {"SA", 24},
    {"SC", 31}, {"SD", 18}, {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"SO", 23}, {"ST", 25}, {"SV", 28},
    {"TL", 23}, {"TN", 24}, {"TR", 26}, {"UA", 29}, {"VA", 22}, {"VG", 24}, {"XK", 20}, {"YE", 30},
};

constexpr std::uint32_t lengths(std::initializer_list<int> list) {
    std::uint32_t bits = 0;
    for (int n : list) bits |= 1u << n;
    return bits;
}
constexpr std::uint32_t lengthsFrom(int shortest, int longest) {
    std::uint32_t bits = 0;
    for (int n = shortest; n <= longest; ++n) bits |= 1u << n;
    return bits;
}

// A number in no known range still needs the length of a card.
constexpr int kShortestCard = 12;
constexpr int kLongestCard = 19;

const char kDiners[] = "Diner's Club / Carte Blanche";
const char kDiscover[] = "Discover";
const char kMaestro[] = "Maestro";

// The ranges of leading digits the brands issue today. None overlaps another.
const CardRange kCardRanges[] = {
    {"4", "4", lengths({13, 16, 19}), "Visa"},        {"51", "55", lengths({16}), "MasterCard"},
    {"2221", "2720", lengths({16}), "MasterCard"},    {"34", "34", lengths({15}), "American Express"},
    {"37", "37", lengths({15}), "American Express"},  {"36", "36", lengthsFrom(14, 19), kDiners},
    {"300", "305", lengthsFrom(14, 19), kDiners},     {"38", "39", lengthsFrom(14, 19), kDiners},
    {"6011", "6011", lengthsFrom(16, 19), kDiscover}, {"644", "649", lengthsFrom(16, 19), kDiscover},
    {"65", "65", lengthsFrom(16, 19), kDiscover},     {"3528", "3589", lengthsFrom(16, 19), "JCB"},
    {"5018", "5018", lengthsFrom(12, 19), kMaestro},  {"5020", "5020", lengthsFrom(12, 19), kMaestro},
    {"5038", "5038", lengthsFrom(12, 19), kMaestro},  {"5893", "5893", lengthsFrom(12, 19), kMaestro},
    {"6304", "6304", lengthsFrom(12, 19), kMaestro},  {"6759", "6759", lengthsFrom(12, 19), kMaestro},
    {"6761", "6763", lengthsFrom(12, 19), kMaestro},  {"62", "62", lengthsFrom(16, 19), "UnionPay"},
};

}  // namespace

// clang-format off
const std::array<std::uint8_t, 43> kOddValues = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                     // 0-9
    0, 0, 0, 0, 0, 0, 0,                                   // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11,   // A-O
    3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23,               // P-Z
};
const std::array<std::uint8_t, 43> kEvenValues = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                          // 0-9
    0, 0, 0, 0, 0, 0, 0,                                   // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14,      // A-O
    15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,            // P-Z
};
// clang-format on

QChar codiceFiscaleCheckChar(const QString& code) {
    if (code.size() < 15) return {};
    return alternatingCheckLetter(QStringView(code).left(15));
}

bool codiceFiscaleShaped(const QString& code) {
    if (code.size() != 16) return false;
    const QString c = Text::upperAZ(code);
    // What each position holds: L a letter, N a digit or the letter that
    // replaces it when twin codes are told apart, M the month letter.
    static const char kShape[] = "LLLLLLNNMNNLNNNL";
    int number[16] = {};
    for (int i = 0; i < 16; ++i) {
        const QChar ch = c.at(i);
        switch (kShape[i]) {
        case 'L':
            if (!isAsciiUpper(ch)) return false;
            break;
        case 'M':
            if (!QStringLiteral("ABCDEHLMPRST").contains(ch)) return false;
            break;
        default:
            if (isAsciiDigit(ch)) {
                number[i] = ch.unicode() - '0';
            } else {
                const qsizetype twin = kTwinDigits.indexOf(ch);
                if (twin < 0) return false;
                number[i] = int(twin);
            }
        }
    }
    const int day = number[9] * 10 + number[10];  // plus 40 for women
    return (day >= 1 && day <= 31) || (day >= 41 && day <= 71);
}

bool codiceFiscaleValid(const QString& code) {
    if (!codiceFiscaleShaped(code)) return false;
    const QString c = Text::upperAZ(code);
    return codiceFiscaleCheckChar(c) == c.at(15);
}

int partitaIvaCheckDigit(const QString& number) {
    if (number.size() < 10) return -1;
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const QChar c = number.at(i);
        if (!isAsciiDigit(c)) return -1;
        const int d = c.unicode() - '0';
        if (i % 2 == 0) {
            sum += d;  // positions 1, 3, 5, 7, 9
        } else {
            const int twice = 2 * d;
            sum += twice / 10 + twice % 10;
        }
    }
    return (10 - sum % 10) % 10;
}

bool partitaIvaValid(const QString& number) {
    if (number.size() != 11 || !Text::isDigits(number)) return false;
    return partitaIvaCheckDigit(number) == number.at(10).unicode() - '0';
}

std::span<const UfficioIva> ufficiIva() { return kUffici; }

QString ufficioIva(const QString& code) {
    for (const UfficioIva& u : kUffici)
        if (code == QLatin1String(u.code)) return QString::fromUtf8(u.name);
    return {};
}

QString ibanCompact(const QString& iban) {
    QString s = Text::upperAZ(iban);
    s.remove(QLatin1Char(' '));
    if (s.startsWith(QLatin1String("IBAN"))) s.remove(0, 4);  // as printed before the number
    return s;
}

std::span<const IbanCountry> ibanCountries() { return kIbanCountries; }

int ibanLength(const QString& country) {
    for (const IbanCountry& c : kIbanCountries)
        if (country == QLatin1String(c.code)) return c.length;
    return 0;
}

QChar italianCin(const QString& bban) {
    if (bban.size() != 22) return {};
    return alternatingCheckLetter(bban);
}

int ibanRemainder(const QString& iban) {
    QString s = ibanCompact(iban);
    s = s.mid(4) + s.left(4);

    QString digits;
    for (QChar c : s) {
        if (isAsciiUpper(c))
            digits += QString::number(c.unicode() - 'A' + 10);
        else
            digits += c;
    }

    // Nine digits at a time: each remainder goes in front of the next digits.
    if (digits.isEmpty()) return 0;
    QString piece;
    int remainder = 0;
    qsizetype at = 0;
    while (at < digits.size()) {
        const qsizetype take = 9 - piece.size();
        piece += digits.mid(at, take);
        at += take;
        qint64 value = 0;
        for (QChar c : piece) {
            if (!isAsciiDigit(c)) return 0;  // a character that is neither digit nor letter
            value = value * 10 + (c.unicode() - '0');
        }
        remainder = int(value % 97);
        piece = QString::number(remainder);
    }
    return remainder;
}

bool ibanValid(const QString& iban) {
    const QString s = ibanCompact(iban);
    const int length = ibanLength(s.left(2));
    if (length == 0 || s.size() != length) return false;
    if (!isAsciiDigit(s.at(2)) || !isAsciiDigit(s.at(3))) return false;
    // Check digits 00, 01 and 99 can give the remainder 1 too, but the
    // standard only ever computes 02 to 98.
    const int checkDigits = s.mid(2, 2).toInt();
    if (checkDigits < 2 || checkDigits > 98) return false;
    for (QChar c : s)
        if (!isAsciiDigit(c) && !isAsciiUpper(c)) return false;
    if (ibanRemainder(s) != 1) return false;
    if (s.startsWith(QLatin1String("IT"))) {
        // The bank (ABI) and branch (CAB) codes after the CIN are five digits
        // each; the national check letter, which the remainder does not
        // cover, would accept letters there.
        for (QChar c : QStringView(s).mid(5, 10))
            if (!isAsciiDigit(c)) return false;
        return italianCin(s.mid(5, 22)) == s.at(4);
    }
    return true;
}

QString cardDigits(const QString& number) {
    QString d;
    bool afterSeparator = false;
    for (QChar c : number) {
        if (isAsciiDigit(c)) {
            d += c;
            afterSeparator = false;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('.')) {
            if (d.isEmpty()) return {};  // before the first group
            afterSeparator = true;
        } else {
            return {};  // a letter, or any other sign: a typo, never skipped
        }
    }
    return afterSeparator ? QString() : d;
}

bool luhnValid(const QString& digits) {
    if (digits.isEmpty() || !Text::isDigits(digits)) return false;
    int sum = 0;
    bool twice = true;  // the second-last digit is doubled, then every second one
    for (qsizetype i = digits.size() - 2; i >= 0; --i, twice = !twice) {
        int v = digits.at(i).unicode() - '0';
        if (twice) {
            v *= 2;
            if (v > 9) v -= 9;
        }
        sum += v;
    }
    return (10 - sum % 10) % 10 == digits.back().unicode() - '0';
}

std::span<const CardRange> cardRanges() { return kCardRanges; }

const CardRange* cardRange(const QString& digits) {
    for (const CardRange& r : kCardRanges) {
        const qsizetype n = qsizetype(std::strlen(r.low));
        if (digits.size() < n) continue;
        const QString lead = digits.left(n);  // as long as the bounds, so text order is number order
        if (lead >= QLatin1String(r.low) && lead <= QLatin1String(r.high)) return &r;
    }
    return nullptr;
}

QString cardBrand(const QString& digits) {
    const CardRange* r = cardRange(digits);
    return r ? QString::fromUtf8(r->brand) : QString();
}

CardVerdict cardVerdict(const QString& digits) {
    if (!luhnValid(digits)) return CardVerdict::Wrong;
    const auto size = digits.size();
    if (const CardRange* r = cardRange(digits))
        return size < 32 && (r->lengths >> size & 1u) ? CardVerdict::Valid : CardVerdict::Wrong;
    return size >= kShortestCard && size <= kLongestCard ? CardVerdict::UnknownBrand : CardVerdict::Wrong;
}

}  // namespace Checks
