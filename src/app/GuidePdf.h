#pragma once
// "Guida.pdf": every help topic in one printable document, written by the
// build so that it always holds the current texts.
#include <QString>

namespace GuidePdf {

// The document as HTML: a title page, then one section per topic.
QString html();

// Writes the PDF; false when the file cannot be written.
bool write(const QString& path);

}  // namespace GuidePdf
