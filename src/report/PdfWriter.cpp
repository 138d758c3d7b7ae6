#include "report/PdfWriter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include "platform/Clock.h"
#include "report/PreparedReport.h"

namespace {

constexpr int Resolution = 1200;

// A PDF text string: UTF-16 big-endian after a byte order mark, in hex.
QByteArray pdfText(const QString& s) {
    QByteArray out("<FEFF");
    for (QChar c : s) out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return out + '>';
}

// The last match of a pattern in the file's tail, where the trailer lies.
QRegularExpressionMatch lastMatch(const QByteArray& tail, const QString& pattern) {
    QRegularExpressionMatch last;
    auto it = QRegularExpression(pattern).globalMatch(QString::fromLatin1(tail));
    while (it.hasNext()) last = it.next();
    return last;
}

}  // namespace

namespace PdfWriter {

QByteArray render(const PreparedReport& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setPageLayout(report.pageLayout());
        writer.setTitle(report.documentTitle);
        writer.setCreator(QStringLiteral("Plenaro"));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        for (int i = 0; i < report.pageCount(); ++i) {
            if (i > 0) writer.newPage();
            report.paintPage(painter, i, Resolution / 96.0);
        }
        painter.end();
    }
    buffer.close();
    return withInfo(bytes, report.documentTitle, report.documentSubject, QStringLiteral("Plenaro"));
}

bool write(const PreparedReport& report, const QString& fileName) {
    const QByteArray bytes = render(report);
    if (bytes.isEmpty()) return false;
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;  // a refused write fails at once
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray withInfo(const QByteArray& pdf, const QString& title, const QString& subject, const QString& creator) {
    const qsizetype tailAt = std::max<qsizetype>(0, pdf.size() - 4096);
    const QByteArray tail = pdf.mid(tailAt);
    const auto size = lastMatch(tail, QStringLiteral("/Size\\s+(\\d+)"));
    const auto root = lastMatch(tail, QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"));
    const auto xref = lastMatch(tail, QStringLiteral("startxref\\s+(\\d+)"));
    if (!size.hasMatch() || !root.hasMatch() || !xref.hasMatch()) return {};

    const int number = size.captured(1).toInt();
    QByteArray out = pdf;
    if (!out.endsWith('\n')) out += '\n';
    const qsizetype objectAt = out.size();
    const QByteArray stamp = Clock::now().toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    out += QByteArray::number(number) + " 0 obj\n<<\n/Title " + pdfText(title) + "\n/Subject " + pdfText(subject) +
           "\n/Creator " + pdfText(creator) + "\n/Producer " + pdfText(creator) + "\n/CreationDate (D:" + stamp +
           "Z)\n>>\nendobj\n";
    const qsizetype xrefAt = out.size();
    out += "xref\n" + QByteArray::number(number) + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') +
           " 00000 n\r\n";
    out += "trailer\n<<\n/Size " + QByteArray::number(number + 1) + "\n/Root " + root.captured(1).toLatin1() +
           "\n/Info " + QByteArray::number(number) + " 0 R\n/Prev " + xref.captured(1).toLatin1() +
           "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}

}  // namespace PdfWriter
