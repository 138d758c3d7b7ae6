#include "archive/SpreadsheetExport.h"

#include <QDate>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/Cp1252.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"

namespace SpreadsheetExport {

namespace {

// The markup of the cells, and what each piece is for.
//
// A text cell names the class "t" of the head, whose rule gives the text
// number format "@": both common spreadsheet programs honour it from a class
// of the head (Calc from nowhere else, not from x:str nor from an inline
// style), so "06121", "0755551234", "1e5", "1.000" or "3/4" stay text as
// stored instead of becoming numbers or dates.
constexpr char kTextRule[] = "<style>.t{mso-number-format:\"\\@\";}</style>";
constexpr char kTextOpen[] = "<td class=t style=\"text-align: left;\">";
// A date or an amount carries its value once for each program: x:num for
// the other one, shown in the inline mso-number-format; sdval and sdnum for
// Calc, the value read as US English writes numbers (1033, a point before
// the decimals) and shown in the Italian format that follows (1040), so
// "31/12/2024" and "12,50" look as typed whatever the desktop's language.
// The display format stays inline, out of the classes of the head: Calc
// reads a class's number format in the desktop's language, where "0.00" is
// no amount format in Italian, and it ignores an inline one.
constexpr std::string_view kDateOpen = "<td style=\"text-align: left; mso-number-format:'dd\\/mm\\/yyyy';\" x:num=\"";
constexpr std::string_view kDateFormat = "\" sdnum=\"1033;1040;GG/MM/AAAA\">";
constexpr std::string_view kAmountOpen = "<td style=\"text-align: left; mso-number-format:'0\\.00';\" x:num=\"";
constexpr std::string_view kAmountFormat = "\" sdnum=\"1033;1040;0,00\">";
constexpr char kValueBetween[] = "\" sdval=\"";
constexpr char kCellClose[] = "</td>";

template <qsizetype N>
char* put(char* out, const char (&text)[N]) {
    std::memcpy(out, text, N - 1);
    return out + N - 1;
}

// The bytes of a cell with "&", "<" and ">" as entities, and every blank
// that follows a blank as "&#32;": HTML readers fold a run of blanks into
// one, but keep a blank written as an entity. Each byte takes five at most.
char* escaped(char* out, const unsigned char* b, qsizetype size) {
    bool afterBlank = false;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char c = b[i];
        switch (c) {
        case '&': out = put(out, "&amp;"); break;
        case '<': out = put(out, "&lt;"); break;
        case '>': out = put(out, "&gt;"); break;
        case ' ':
            if (afterBlank)
                out = put(out, "&#32;");
            else
                *out++ = ' ';
            break;
        default: *out++ = char(c);
        }
        afterBlank = c == ' ';
    }
    return out;
}

// The longest a value (a day number or an amount) takes, written.
constexpr qsizetype kValueRoom = 24;

// The day number of a stored "dd/mm/yyyy" naming a real day, counted from
// 30 December 1899 as both programs count it (45657 is 31/12/2024); 0 for
// anything else. Days before 1 March 1900 stay text: the other program has
// no day number for them that Calc shares.
qint64 dayNumber(const unsigned char* b, qsizetype size) {
    if (size != 10) return 0;
    char16_t wide[10];
    for (int i = 0; i < 10; ++i) wide[i] = b[i];
    const QDate day = Formats::parseDate(QStringView(wide, 10));
    static const qint64 zero = QDate(1899, 12, 30).toJulianDay(), first = QDate(1900, 3, 1).toJulianDay();
    if (!day.isValid() || day.toJulianDay() < first) return 0;
    return day.toJulianDay() - zero;
}

// A stored amount as the revenue summary reads it, written into out with a
// point and two decimals ("12,5" gives "12.50"); its length, or 0 when the
// bytes are no amount. A field holds 255 bytes at most; anything longer is
// no amount.
int amountValue(const unsigned char* b, qsizetype size, char* out) {
    if (size > 255) return 0;
    char16_t wide[255];
    for (qsizetype i = 0; i < size; ++i) wide[i] = b[i];
    const std::optional<qint64> cents = Formats::parseCents(QStringView(wide, size));
    if (!cents) return 0;
    quint64 magnitude = *cents < 0 ? 0 - quint64(*cents) : quint64(*cents);
    char digits[kValueRoom];
    int n = 0;
    digits[n++] = char('0' + magnitude % 10);
    magnitude /= 10;
    digits[n++] = char('0' + magnitude % 10);
    magnitude /= 10;
    digits[n++] = '.';
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (*cents < 0) digits[n++] = '-';
    for (int i = 0; i < n; ++i) out[i] = digits[n - 1 - i];
    return n;
}

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
    types_.clear();
    for (const ExportColumn& c : columns) types_.push_back(c.type);
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
        "</xml><![endif]-->");
    literal(kTextRule);
    literal("</head><body><table x:str>");

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
    const CellType type = column_ < types_.size() ? types_[column_] : CellType::Text;
    ++column_;
    if (type == CellType::Date) {
        if (const qint64 day = dayNumber(b + begin, end - begin)) {
            char value[kValueRoom];
            const int n = std::snprintf(value, sizeof value, "%lld", static_cast<long long>(day));
            valueCell(kDateOpen, {value, size_t(n)}, kDateFormat, b + begin, end - begin);
            return;
        }
    } else if (type == CellType::Amount) {
        char value[kValueRoom];
        if (const int n = amountValue(b + begin, end - begin, value)) {
            valueCell(kAmountOpen, {value, size_t(n)}, kAmountFormat, b + begin, end - begin);
            return;
        }
    }
    textCell(b + begin, end - begin);
}

void SheetText::textCell(const unsigned char* bytes, qsizetype size) {
    char* out = room(sizeof kTextOpen + sizeof kCellClose + 5 * size);
    char* const start = out;
    out = put(out, kTextOpen);
    out = escaped(out, bytes, size);
    out = put(out, kCellClose);
    used_ += out - start;
}

void SheetText::valueCell(std::string_view open, std::string_view value, std::string_view format,
                          const unsigned char* bytes, qsizetype size) {
    char* out = room(qsizetype(open.size() + 2 * value.size() + format.size()) + sizeof kValueBetween +
                     sizeof kCellClose + 5 * size);
    char* const start = out;
    for (std::string_view piece : {open, value, std::string_view(kValueBetween), value, format}) {
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
    }
    out = escaped(out, bytes, size);
    out = put(out, kCellClose);
    used_ += out - start;
}

void SheetText::cell(const QString& t) {
    const QByteArray bytes = Cp1252::fromUnicode(Text::trim(t));
    cell(bytes.constData(), bytes.size());
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
