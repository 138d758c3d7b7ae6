#pragma once
// Dates and amounts as the office writes them, whatever the system's locale:
// dates "dd/mm/yyyy", times "hh:mm", amounts with a decimal comma and two
// decimals ("12,50").
#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>
#include <optional>

namespace Formats {

// The process-wide short date format and decimal separator. Windows that
// handle dates or amounts set them when they are created.
void apply();
QString shortDateFormat();
QChar decimalSeparator();
QChar dateSeparator();

QString date(const QDate& d);       // 05/03/2025
QString year(int year);             // four digits: 2025, 0987
QDate parseDate(QStringView text);  // invalid unless dd/mm/yyyy names a real day
inline QDate parseDate(const QString& text) { return parseDate(QStringView(text)); }
QString time(const QTime& t);                 // 09:05 (hours and minutes)
QString longTime(const QTime& t);             // 09:05:07
QString twoDigits(int n);                     // 7 gives "07"
QStringList twoDigitRange(int from, int to);  // the hours or minutes of a list: "00".."23"
// A time kept as hours and minutes apart, joined: "09" and "05" give "09:05".
QString hhmm(const QString& hours, const QString& minutes);

// The Italian month names, "Gennaio" to "Dicembre".
const QStringList& monthNames();
// 1 to 12 for a month name in any case, trimmed; 0 for any other text.
int monthNumber(const QString& name);
// A date from a day, a month number and a year as they were picked or typed:
// "7" + 3 + "2024" gives "7/03/2024", to be checked with parseDate.
QString composeDate(const QString& day, int month, const QString& year);

// The amount rule: rounded to two decimals by adding half a hundredth and
// truncating, written with a comma and exactly two decimals (12.5 → "12,50",
// 0.1 + 0.2 → "0,30"), no thousands separator.
QString amount(double value);

// An amount field's text once left: a number in the amount rule, "0,00" for
// an empty text or one that is not a number.
QString amountText(const QString& typed);

// A decimal number written with the comma ("12,5", "7", "-3,25"). Returns
// false for anything else; blanks around it are allowed.
bool parseDecimal(const QString& text, double* value);

// Amounts in whole cents, so that no sum of many amounts drifts: "12,5" is
// 1250, "7" is 700, ",05" is 5, "-3,25" is -325; decimals past the second
// are rounded by the amount rule ("12,346" is 1235). Blanks around it are
// allowed. Nothing for an empty text or one that is no amount ("1.000",
// "12,5,0", "abc") or too long to be one (more than 16 digits before the comma).
std::optional<qint64> parseCents(QStringView text);

// Cents as the amount rule writes them: 1975 is "19,75", -5 is "-0,05".
QString amountOfCents(qint64 cents);

// A running total of amounts, in whole cents.
class AmountSum {
public:
    // Adds the amount the text holds. False, adding nothing, when the text
    // is no amount or the total would overflow.
    bool add(QStringView text);
    qint64 cents() const { return cents_; }
    // The total as the amount rule writes it ("0,00" before any addition).
    QString text() const { return amountOfCents(cents_); }

private:
    qint64 cents_ = 0;
};

}  // namespace Formats
