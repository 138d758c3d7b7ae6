#include "archive/SpreadsheetExport.h"

#include <QSaveFile>

#include "platform/Cp1252.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"

namespace SpreadsheetExport {

namespace {

QByteArray text(const QString& t) { return Cp1252::fromUnicode(escape(t)); }

// Pieces 1 to 11: the workbook's head and the header row.
void appendHead(QByteArray& b, const QString& sheetName, const std::vector<ExportColumn>& columns) {
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
}

void appendRow(QByteArray& b, const QStringList& row, size_t columns) {
    b += "<tr>";
    for (size_t i = 0; i < columns; ++i) {
        b += "<td style=\"text-align: left;\">";
        if (qsizetype(i) < row.size()) b += text(Text::trim(row.at(qsizetype(i))));
        b += "</td>";
    }
    b += "</tr>";
}

constexpr const char* kTail = "</table></body></html>";

// Rows gather in memory up to this size before they go to the file.
constexpr qsizetype kChunk = 256 * 1024;

}  // namespace

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
    QByteArray b;
    b.reserve(1024 + qsizetype(columns.size()) * 80 + qsizetype(rows.size() * columns.size()) * 48);
    appendHead(b, sheetName, columns);
    for (const QStringList& row : rows) appendRow(b, row, columns.size());
    b += kTail;
    return b;
}

Writer::Writer(const QString& fileName, const QString& sheetName, const std::vector<ExportColumn>& columns)
    : file_(std::make_unique<QSaveFile>(ProgramFolder::file(fileName))), columns_(columns.size()) {
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a refused write fails at once, never at commit
        throw ExportError("cannot create " + file_->fileName().toStdString() + ": " +
                          file_->errorString().toStdString());
    pending_.reserve(kChunk + 4096);
    appendHead(pending_, sheetName, columns);
}

// Not committed: the new file is dropped and the earlier one stays whole.
Writer::~Writer() = default;

void Writer::addRow(const QStringList& cells) {
    appendRow(pending_, cells, columns_);
    if (pending_.size() >= kChunk) flush();
}

void Writer::flush() {
    if (file_->write(pending_) != pending_.size()) {
        file_->cancelWriting();
        throw ExportError("cannot write " + file_->fileName().toStdString());
    }
    pending_.clear();
}

void Writer::commit() {
    pending_ += kTail;
    flush();
    if (!file_->commit())
        throw ExportError("cannot save " + file_->fileName().toStdString() + ": " + file_->errorString().toStdString());
}

}  // namespace SpreadsheetExport
