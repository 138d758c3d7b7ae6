#include "platform/Text.h"

namespace Text {

QString trim(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b).unicode() <= 32) ++b;
    while (e > b && s.at(e - 1).unicode() <= 32) --e;
    return s.mid(b, e - b);
}

QString lowerAZ(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z') c = QChar(c.unicode() + 32);
    return out;
}

QString upperAZ(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z') c = QChar(c.unicode() - 32);
    return out;
}

QString fixed(const QString& s, int width) {
    const QString t = trim(s);
    if (t.size() >= width) return t.left(width);
    return t + QString(width - t.size(), QLatin1Char(' '));
}

bool isDigits(const QString& s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c.unicode() < '0' || c.unicode() > '9') return false;
    return true;
}

}  // namespace Text
