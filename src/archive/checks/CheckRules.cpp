#include "archive/checks/CheckRules.h"

#include <QStringView>

#include "platform/Text.h"

namespace Checks {

namespace {

bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool isAsciiUpper(QChar c) { return c.unicode() >= 'A' && c.unicode() <= 'Z'; }

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
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const QChar c = code.at(i);
        // Only digits and A-Z have values; the codes between them would
        // count as 0 and anything else lies outside the tables.
        if (!isAsciiDigit(c) && !isAsciiUpper(c)) return {};
        const int index = c.unicode() - kCharTableFirst;
        sum += (i % 2 == 0) ? kOddValues[size_t(index)] : kEvenValues[size_t(index)];  // position i + 1
    }
    return QChar('A' + sum % 26);
}

bool codiceFiscaleValid(const QString& code) {
    if (code.size() != 16) return false;
    const QString c = Text::upperAZ(code);
    const QChar check = codiceFiscaleCheckChar(c);
    return !check.isNull() && check == c.at(15);
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

int ibanRemainder(const QString& iban) {
    QString s = Text::upperAZ(iban);
    s.remove(QLatin1Char(' '));
    const qsizetype word = s.indexOf(QLatin1String("IBAN"));
    if (word >= 0) s.remove(word, 4);
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

bool ibanValid(const QString& iban) { return ibanRemainder(iban) == 1; }

QString cardDigits(const QString& number) {
    QString d;
    for (QChar c : QStringView(number).left(20))
        if (isAsciiDigit(c)) d += c;
    return d;
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

QString cardBrand(const QString& digits) {
    if (digits.isEmpty()) return {};
    switch (digits.at(0).unicode()) {
    case '3':
        switch (digits.size() > 1 ? digits.at(1).unicode() : 0) {
        case '0':
        case '6':
        case '8':
            return QStringLiteral("Diner's Club / Carte Blanche");
        case '4':
        case '7':
            return QStringLiteral("American Express");
        case '1':
        case '3':
        case '5':
            return QStringLiteral("JCB");
        default:
            return {};
        }
    case '4':
        return QStringLiteral("Visa");
    case '5':
        return QStringLiteral("MasterCard");
    case '6':
        return QStringLiteral("Discover");
    default:
        return {};
    }
}

}  // namespace Checks
