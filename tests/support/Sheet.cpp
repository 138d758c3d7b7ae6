#include "support/Sheet.h"

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

QByteArray cell(const QString& text) {
    QString t = trimmed(text);
    t.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
    return Sheet::cp1252(t);
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

QByteArray expected(const QString& sheetName, const Columns& columns, const std::vector<QStringList>& rows) {
    QByteArray b =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>";
    b += cell(sheetName);
    b += "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
         "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
         "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
         "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
         "</head><body><table x:str><tr>";
    for (const auto& [header, width] : columns)
        b += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" +
             cell(header) + "</td>";
    b += "</tr>";
    for (const QStringList& row : rows) {
        b += "<tr>";
        for (const QString& c : row) b += "<td style=\"text-align: left;\">" + cell(c) + "</td>";
        b += "</tr>";
    }
    b += "</table></body></html>";
    return b;
}

}  // namespace Sheet
