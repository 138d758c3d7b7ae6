#include "support/Sheet.h"

#include <QDate>
#include <QRegularExpression>

namespace {

// The characters of 0x80..0x9F in Windows-1252; 0 where the byte is unused.
const char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                            0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Trimmed of every character up to the blank, as a field is.
QString trimmed(const QString& s) {
    qsizetype from = 0, to = s.size();
    while (from < to && s.at(from).unicode() <= 32) ++from;
    while (to > from && s.at(to - 1).unicode() <= 32) --to;
    return s.mid(from, to - from);
}

// Trimmed, &, < and > as entities; in a cell, a blank after a blank as
// "&#32;" too, so that a run of blanks is not folded into one.
QByteArray escaped(const QString& text, bool keepBlanks) {
    const QString t = trimmed(text);
    QString out;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == '&')
            out += "&amp;";
        else if (t[i] == '<')
            out += "&lt;";
        else if (t[i] == '>')
            out += "&gt;";
        else if (keepBlanks && t[i] == ' ' && i > 0 && t[i - 1] == ' ')
            out += "&#32;";
        else
            out += t[i];
    }
    return Sheet::cp1252(out);
}

// The value of a date or amount cell as the file writes it, or nothing
// when the cell is text: days from 30/12/1899 from 01/03/1900 on, amounts
// with a point and two decimals.
QByteArray value(Sheet::Kind kind, const QString& text) {
    if (kind == Sheet::Kind::Date) {
        const QDate d = Sheet::day(trimmed(text));
        if (!d.isValid() || d < QDate(1900, 3, 1)) return {};
        return QByteArray::number(QDate(1899, 12, 30).daysTo(d));
    }
    qint64 c = 0;
    if (kind == Sheet::Kind::Text || !Sheet::cents(text, &c)) return {};
    const qint64 m = c < 0 ? -c : c;
    return (c < 0 ? "-" : "") + QByteArray::number(m / 100) + '.' + QByteArray::number(m % 100).rightJustified(2, '0');
}

QByteArray cell(Sheet::Kind kind, const QString& text) {
    const QByteArray v = value(kind, text);
    if (v.isEmpty()) return "<td class=t style=\"text-align: left;\">" + escaped(text, true) + "</td>";
    const QByteArray shown = kind == Sheet::Kind::Date ? "'dd\\/mm\\/yyyy'" : "'0\\.00'";
    const QByteArray format = kind == Sheet::Kind::Date ? "1033;1040;GG/MM/AAAA" : "1033;1040;0,00";
    return "<td style=\"text-align: left; mso-number-format:" + shown + ";\" x:num=\"" + v + "\" sdval=\"" + v +
           "\" sdnum=\"" + format + "\">" + escaped(text, true) + "</td>";
}

}  // namespace

namespace Sheet {

QByteArray cp1252(const QString& text) {
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += char(u);
            continue;
        }
        char byte = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == u) byte = char(0x80 + i);
        out += byte;
    }
    return out;
}

QDate day(const QString& text) {
    static const QRegularExpression form("^(\\d\\d)/(\\d\\d)/(\\d\\d\\d\\d)$");
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

bool cents(const QString& text, qint64* value) {
    static const QRegularExpression form("^([+-]?)(\\d{0,16})(?:,(\\d*))?$");
    const QRegularExpressionMatch m = form.match(trimmed(text));
    if (!m.hasMatch() || m.captured(2).size() + m.captured(3).size() == 0) return false;
    const QString decimals = (m.captured(3) + "000").left(3);
    qint64 c = m.captured(2).toLongLong() * 100 + decimals.left(2).toInt() + (decimals[2] >= '5' ? 1 : 0);
    *value = m.captured(1) == "-" ? -c : c;
    return true;
}

QByteArray expected(const QString& sheetName, const Columns& columns, const std::vector<QStringList>& rows) {
    QByteArray b =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>";
    b += escaped(sheetName, false);
    b += "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
         "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
         "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
         "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
         "<style>.t{mso-number-format:\"\\@\";}</style></head><body><table x:str><tr>";
    for (const Column& c : columns)
        b += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(c.width) + ">" +
             escaped(c.header, false) + "</td>";
    b += "</tr>";
    for (const QStringList& row : rows) {
        b += "<tr>";
        for (qsizetype i = 0; i < row.size(); ++i)
            b += cell(size_t(i) < columns.size() ? columns[size_t(i)].kind : Kind::Text, row.at(i));
        b += "</tr>";
    }
    b += "</table></body></html>";
    return b;
}

}  // namespace Sheet
