#pragma once
// PDF files of a prepared report: the pages as drawings and text, pictures
// from SVG kept as drawings, and the report's title and subject in the
// document information.
#include <QByteArray>
#include <QString>

class PreparedReport;

namespace PdfWriter {

// The whole file in memory.
QByteArray render(const PreparedReport& report);

// Writes the file, replacing an earlier one only once the new one is
// complete; false when it cannot be written.
bool write(const PreparedReport& report, const QString& fileName);

// Gives the document information dictionary of a finished PDF the title,
// the subject and the creator, as an incremental update appended to it.
// An empty result when the file's trailer is not understood.
QByteArray withInfo(const QByteArray& pdf, const QString& title, const QString& subject, const QString& creator);

}  // namespace PdfWriter
