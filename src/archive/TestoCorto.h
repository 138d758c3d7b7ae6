#pragma once
// TTestoCorto of capacity N: one length byte, then N bytes of Windows-1252
// text. Every datum of every archive is stored this way.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace TTestoCorto {

// The N + 1 bytes of a text: trimmed, converted, cut to N bytes. The bytes
// after the text are zeros, so an overwritten field keeps nothing of an
// older, longer text.
QByteArray encode(const QString& text, int capacity);
void encodeInto(char* field, const QString& text, int capacity);

// The stored bytes of a field's text, trimmed of codes 32 and below. A
// damaged length byte above N reads as N.
QByteArrayView stored(const char* field, int capacity);
// The text of a field, trimmed. A damaged length byte above N reads as N:
// a field never reads into its neighbour.
QString decode(const char* field, int capacity);
// The same text decoded into buffer (room for 255 characters), without a
// string of its own: for the scans that read a field of every card.
QStringView decodeInto(const char* field, int capacity, char16_t* buffer);

}  // namespace TTestoCorto

// The two values of a flag field (capacity 2): bytes 02 53 EC and 02 4E 6F.
namespace Flag {
inline const QString Si = QStringLiteral("S\u00EC");
inline const QString No = QStringLiteral("No");
}  // namespace Flag
