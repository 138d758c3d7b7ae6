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

QDate parseDate(const QString& text) {
    const QStringList parts = Text::trim(text).split(dateSeparator());
    if (parts.size() != 3 || parts[0].size() != 2 || parts[1].size() != 2 || parts[2].size() != 4)
        return {};
    for (const QString& p : parts)
        if (!Text::isDigits(p)) return {};
    const int y = parts[2].toInt();
    if (y < 1) return {};
    return QDate(y, parts[1].toInt(), parts[0].toInt());
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
    if (at == 0) s.prepend(QLatin1Char('0'));
    else if (at == 1 && s.startsWith(QLatin1Char('-'))) s.insert(1, QLatin1Char('0'));
    const qsizetype decimals = s.size() - s.indexOf(sep) - 1;
    if (decimals == 0) s += QLatin1String("00");
    else if (decimals == 1) s += QLatin1Char('0');
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
        if (c.unicode() >= '0' && c.unicode() <= '9') digits = true;
        else if (c == decimalSeparator() && !sep) sep = true;
        else return false;
    }
    if (!digits) return false;
    QString c = t;
    c.replace(decimalSeparator(), QLatin1Char('.'));
    bool ok = false;
    const double v = c.toDouble(&ok);  // QString::toDouble ignores the locale
    if (ok && value) *value = v;
    return ok;
}

}  // namespace Formats
