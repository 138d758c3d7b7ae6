#include "archive/SpreadsheetExport.h"

#include <QSaveFile>

#include "platform/Cp1252.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"

namespace SpreadsheetExport {

QString escape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        default: out += c;
        }
    }
    return out;
}

QByteArray document(const QString& sheetName, const std::vector<ExportColumn>& columns,
                    const std::vector<QStringList>& rows) {
    // Built as bytes, piece by piece: a large archive never needs a second,
    // wider copy of the whole text.
    const auto text = [](const QString& t) { return Cp1252::fromUnicode(escape(t)); };
    QByteArray b;
    b.reserve(1024 + qsizetype(columns.size()) * 80 + qsizetype(rows.size() * columns.size()) * 48);
    b += "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
         "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
         "xmlns=\"http://www.w3.org/TR/REC-html40\">"
         "<head>"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
         "<!--[if gte mso 9]><xml>"
         "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
         "<x:Name>";
    b += text(sheetName);
    b += "</x:Name>"
         "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
         "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
         "<x:ProtectContents>False</x:ProtectContents>"
         "<x:ProtectObjects>False</x:ProtectObjects>"
         "<x:ProtectScenarios>False</x:ProtectScenarios>"
         "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
         "</xml><![endif]-->"
         "</head><body><table x:str>";

    b += "<tr>";
    for (const ExportColumn& c : columns) {
        b += "<td style=\"text-align: left; font-weight: bold;\" width=";
        b += QByteArray::number(c.width);
        b += '>';
        b += text(c.header);
        b += "</td>";
    }
    b += "</tr>";

    for (const QStringList& row : rows) {
        b += "<tr>";
        for (size_t i = 0; i < columns.size(); ++i) {
            b += "<td style=\"text-align: left;\">";
            if (qsizetype(i) < row.size()) b += text(Text::trim(row.at(qsizetype(i))));
            b += "</td>";
        }
        b += "</tr>";
    }
    b += "</table></body></html>";
    return b;
}

void write(const QString& fileName, const QString& sheetName, const std::vector<ExportColumn>& columns,
           const std::vector<QStringList>& rows) {
    const QByteArray bytes = document(sheetName, columns, rows);
    // A failed export keeps the earlier file whole rather than half-written.
    QSaveFile file(ProgramFolder::file(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a refused write fails at once, never at commit
        throw ExportError("cannot create " + file.fileName().toStdString() + ": " + file.errorString().toStdString());
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw ExportError("cannot write " + file.fileName().toStdString());
    }
    if (!file.commit()) throw ExportError("cannot save " + file.fileName().toStdString() + ": " +
                                          file.errorString().toStdString());
}

}  // namespace SpreadsheetExport
