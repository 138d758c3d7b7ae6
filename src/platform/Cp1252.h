#pragma once
// Windows-1252, the code page of the office's existing archives and of the
// files spreadsheet programs read. Every byte has a character and back.
#include <QByteArray>
#include <QString>

namespace Cp1252 {

// The character of one byte. The five bytes the code page leaves undefined
// (81, 8D, 8F, 90, 9D) map to the control characters of the same code, as
// Windows does, so every byte survives a round trip.
char16_t toUnicode(unsigned char byte);
QString toUnicode(const QByteArray& bytes);
QString toUnicode(const char* data, int length);

// The byte of one character: a similar letter when the code page lacks it
// ("ā" gives "a", "ł" gives "l"), "?" when there is none.
unsigned char fromUnicode(char32_t ch);
QByteArray fromUnicode(const QString& text);

// True when every character of the text has its own byte.
bool canEncode(const QString& text);

}  // namespace Cp1252
