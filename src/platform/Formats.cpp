#include "platform/Formats.h"

#include <cmath>

#include "platform/Text.h"

namespace {
struct Settings {
    QString shortDate = QStringLiteral("dd/mm/yyyy");
    QChar decimal = QLatin1Char(',');
};
Settings g_settings;
}  // namespace

namespace Formats {

void apply() {
    g_settings.shortDate = QStringLiteral("dd/mm/yyyy");
    g_settings.decimal = QLatin1Char(',');
}

QString shortDateFormat() { return g_settings.shortDate; }
QChar decimalSeparator() { return g_settings.decimal; }
QChar dateSeparator() { return QLatin1Char('/'); }

QString twoDigits(int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); }

QString date(const QDate& d) {
    if (!d.isValid()) return {};
    const QChar sep = dateSeparator();
    return twoDigits(d.day()) + sep + twoDigits(d.month()) + sep + year(d.year());
}

QString year(int y) { return QString::number(y).rightJustified(4, QLatin1Char('0')); }

QString hhmm(const QString& hours, const QString& minutes) {
    return Text::trim(hours) + QLatin1Char(':') + Text::trim(minutes);
}

const QStringList& monthNames() {
    static const QStringList names = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                      "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    return names;
}

int monthNumber(const QString& name) {
    const QString wanted = Text::lowerAZ(Text::trim(name));
    for (int i = 0; i < monthNames().size(); ++i)
        if (Text::lowerAZ(monthNames().at(i)) == wanted) return i + 1;
    return 0;
}

QString composeDate(const QString& day, int month, const QString& y) {
    const QChar sep = dateSeparator();
    return Text::trim(day) + sep + twoDigits(month) + sep + Text::trim(y);
}

QStringList twoDigitRange(int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i) out << twoDigits(i);
    return out;
}

QDate parseDate(QStringView t) {
    // By position rather than by splitting: summaries read the date of every card.
    while (!t.isEmpty() && t.front().unicode() <= ' ') t = t.mid(1);
    while (!t.isEmpty() && t.back().unicode() <= ' ') t.chop(1);
    const QChar sep = dateSeparator();
    if (t.size() != 10 || t[2] != sep || t[5] != sep) return {};
    auto number = [&](qsizetype from, qsizetype n) {
        int v = 0;
        for (qsizetype i = from; i < from + n; ++i) {
            const char16_t c = t[i].unicode();
            if (c < '0' || c > '9') return -1;
            v = v * 10 + (c - '0');
        }
        return v;
    };
    const int d = number(0, 2), m = number(3, 2), y = number(6, 4);
    if (d < 0 || m < 0 || y < 1) return {};
    return QDate(y, m, d);
}

QString time(const QTime& t) { return hhmm(twoDigits(t.hour()), twoDigits(t.minute())); }

QString longTime(const QTime& t) { return time(t) + QLatin1Char(':') + twoDigits(t.second()); }

QString amount(double value) {
    const double rounded = std::trunc(value * 100.0 + 0.5) / 100.0;
    QString s = QString::number(rounded, 'g', 15);
    s.replace(QLatin1Char('.'), decimalSeparator());
    const QChar sep = decimalSeparator();
    const qsizetype at = s.indexOf(sep);
    if (at < 0) return s + sep + QLatin1String("00");
    if (at == 0)
        s.prepend(QLatin1Char('0'));
    else if (at == 1 && s.startsWith(QLatin1Char('-')))
        s.insert(1, QLatin1Char('0'));
    const qsizetype decimals = s.size() - s.indexOf(sep) - 1;
    if (decimals == 0)
        s += QLatin1String("00");
    else if (decimals == 1)
        s += QLatin1Char('0');
    return s;
}

QString amountText(const QString& typed) {
    double value = 0;
    return parseDecimal(typed, &value) ? amount(value) : amount(0);
}

bool parseDecimal(const QString& text, double* value) {
    const QString t = Text::trim(text);
    if (t.isEmpty()) return false;
    qsizetype i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) ++i;
    bool digits = false, sep = false;
    for (qsizetype j = i; j < t.size(); ++j) {
        const QChar c = t[j];
        if (c.unicode() >= '0' && c.unicode() <= '9')
            digits = true;
        else if (c == decimalSeparator() && !sep)
            sep = true;
        else
            return false;
    }
    if (!digits) return false;
    QString c = t;
    c.replace(decimalSeparator(), QLatin1Char('.'));
    bool ok = false;
    const double v = c.toDouble(&ok);  // QString::toDouble ignores the locale
    if (ok && value) *value = v;
    return ok;
}

std::optional<qint64> parseCents(QStringView t) {
    while (!t.isEmpty() && t.front().unicode() <= ' ') t = t.mid(1);
    while (!t.isEmpty() && t.back().unicode() <= ' ') t.chop(1);
    bool negative = false;
    if (!t.isEmpty() && (t.front() == QLatin1Char('-') || t.front() == QLatin1Char('+'))) {
        negative = t.front() == QLatin1Char('-');
        t = t.mid(1);
    }
    const char16_t sep = decimalSeparator().unicode();
    qint64 units = 0;
    int whole = 0, decimals = 0;
    bool afterSep = false, roundUp = false;
    for (const QChar ch : t) {
        const char16_t c = ch.unicode();
        if (c == sep && !afterSep) {
            afterSep = true;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        } else if (!afterSep) {
            if (++whole > 16) return std::nullopt;
            units = units * 10 + (c - '0');
        } else if (++decimals <= 2) {
            units = units * 10 + (c - '0');
        } else if (decimals == 3) {
            roundUp = c >= '5';  // half a hundredth rounds up, as the amount rule does
        }
    }
    if (whole + decimals == 0) return std::nullopt;
    for (int i = decimals; i < 2; ++i) units *= 10;
    if (roundUp) ++units;
    return negative ? -units : units;
}

QString amountOfCents(qint64 cents) {
    const quint64 magnitude = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    QString s = QString::number(magnitude / 100) + decimalSeparator() + twoDigits(int(magnitude % 100));
    return cents < 0 ? QLatin1Char('-') + s : s;
}

bool AmountSum::add(QStringView text) {
    const std::optional<qint64> cents = parseCents(text);
    qint64 total = 0;
    if (!cents || __builtin_add_overflow(cents_, *cents, &total)) return false;
    cents_ = total;
    return true;
}

}  // namespace Formats
