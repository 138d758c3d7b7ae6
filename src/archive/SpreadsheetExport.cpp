#include "archive/SpreadsheetExport.h"

#include <QSaveFile>
#include <cstring>

#include "platform/Cp1252.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"

namespace SpreadsheetExport {

namespace {

constexpr char kCellOpen[] = "<td style=\"text-align: left;\">";
constexpr char kCellClose[] = "</td>";
constexpr qsizetype kCellTags = sizeof kCellOpen - 1 + sizeof kCellClose - 1;

// "&", "<" and ">" as HTML entities; everything else as it is.
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

QByteArray text(const QString& t) { return Cp1252::fromUnicode(escape(t)); }

}  // namespace

SheetText::SheetText(QSaveFile* file) : file_(file), buffer_(kChunk + 8192, Qt::Uninitialized) {}

char* SheetText::room(qsizetype most) {
    if (used_ + most > buffer_.size()) {
        flush();
        if (used_ + most > buffer_.size()) buffer_.resize(qMax(used_ + most, 2 * buffer_.size()));
    }
    return buffer_.data() + used_;
}

void SheetText::append(const char* bytes, qsizetype size) {
    std::memcpy(room(size), bytes, size_t(size));
    used_ += size;
}

// Pieces 1 to 11: the workbook's head and the header row.
void SheetText::head(const QString& sheetName, const std::vector<ExportColumn>& columns) {
    literal(
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml>"
        "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>");
    const QByteArray name = text(sheetName);
    append(name.constData(), name.size());
    literal(
        "</x:Name>"
        "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
        "</xml><![endif]-->"
        "</head><body><table x:str>");

    literal("<tr>");
    for (const ExportColumn& c : columns) {
        literal("<td style=\"text-align: left; font-weight: bold;\" width=");
        const QByteArray width = QByteArray::number(c.width);
        append(width.constData(), width.size());
        literal(">");
        const QByteArray header = text(c.header);
        append(header.constData(), header.size());
        literal("</td>");
    }
    literal("</tr>");
}

void SheetText::cell(const char* bytes, qsizetype size) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    qsizetype begin = 0, end = size;
    while (begin < end && b[begin] <= ' ') ++begin;
    while (end > begin && b[end - 1] <= ' ') --end;
    // Each byte takes five at most ("&amp;").
    char* out = room(kCellTags + 5 * (end - begin));
    char* const start = out;
    std::memcpy(out, kCellOpen, sizeof kCellOpen - 1);
    out += sizeof kCellOpen - 1;
    for (qsizetype i = begin; i < end; ++i) {
        const unsigned char c = b[i];
        if (c == '&') {
            std::memcpy(out, "&amp;", 5);
            out += 5;
        } else if (c == '<') {
            std::memcpy(out, "&lt;", 4);
            out += 4;
        } else if (c == '>') {
            std::memcpy(out, "&gt;", 4);
            out += 4;
        } else {
            *out++ = char(c);
        }
    }
    std::memcpy(out, kCellClose, sizeof kCellClose - 1);
    out += sizeof kCellClose - 1;
    used_ += out - start;
}

void SheetText::cell(const QString& t) {
    const QByteArray bytes = text(Text::trim(t));
    char* out = room(kCellTags + bytes.size());
    std::memcpy(out, kCellOpen, sizeof kCellOpen - 1);
    std::memcpy(out + sizeof kCellOpen - 1, bytes.constData(), size_t(bytes.size()));
    std::memcpy(out + sizeof kCellOpen - 1 + bytes.size(), kCellClose, sizeof kCellClose - 1);
    used_ += kCellTags + bytes.size();
}

void SheetText::endRow() { literal("</tr>"); }

void SheetText::tail() { literal("</table></body></html>"); }

void SheetText::flush() {
    if (used_ == 0) return;
    if (file_->write(buffer_.constData(), used_) != used_) {
        file_->cancelWriting();
        throw ExportError("cannot write " + file_->fileName().toStdString());
    }
    used_ = 0;
}

Writer::Writer(const QString& fileName, const QString& sheetName, const std::vector<ExportColumn>& columns)
    : file_(std::make_unique<QSaveFile>(ProgramFolder::file(fileName))), text_(file_.get()) {
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a refused write fails at once, never at commit
        throw ExportError("cannot create " + file_->fileName().toStdString() + ": " +
                          file_->errorString().toStdString());
    text_.head(sheetName, columns);
}

// Not committed: the new file is dropped and the earlier one stays whole.
Writer::~Writer() = default;

void Writer::endRow() { text_.endRow(); }

void Writer::commit() {
    text_.tail();
    text_.flush();
    if (!file_->commit())
        throw ExportError("cannot save " + file_->fileName().toStdString() + ": " + file_->errorString().toStdString());
}

}  // namespace SpreadsheetExport
