#pragma once
// Text rules shared by every window: the trimming of fields, the case folding
// of comparisons (letters A to Z only) and fixed-width columns of list lines.
#include <QString>

namespace Text {

// Removes leading and trailing characters of code 32 or below (blanks, tabs,
// line breaks); other spaces, such as the no-break space, stay.
QString trim(const QString& s);

// Case folding of the letters A to Z only: "È" and "è" stay different.
QString lowerAZ(const QString& s);
QString upperAZ(const QString& s);

// The text trimmed, then padded with blanks or cut to exactly width characters.
QString fixed(const QString& s, int width);

// True when the text holds at least one character and only the digits 0 to 9.
bool isDigits(const QString& s);

}  // namespace Text
