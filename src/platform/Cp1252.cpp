#include "platform/Cp1252.h"

#include <QList>
#include <QStringView>
#include <array>

namespace {

// 0x80..0x9F: the characters the code page puts where Latin-1 has controls.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Letters without a decomposition to a base letter, and a few common marks,
// with the byte that reads most alike.
struct Similar {
    char32_t ch;
    char byte;
};
constexpr Similar kSimilar[] = {
    {0x0110, 'D'}, {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'}, {0x0131, 'i'},  {0x0141, 'L'}, {0x0142, 'l'},
    {0x0166, 'T'}, {0x0167, 't'}, {0x013F, 'L'}, {0x0140, 'l'}, {0x014A, 'N'},  {0x014B, 'n'}, {0x0180, 'b'},
    {0x0197, 'I'}, {0x01B5, 'Z'}, {0x01B6, 'z'}, {0x0253, 'b'}, {0x0256, 'd'},  {0x0268, 'i'}, {0x2010, '-'},
    {0x2011, '-'}, {0x2012, '-'}, {0x2015, '-'}, {0x2212, '-'}, {0x2032, '\''}, {0x2033, '"'}, {0x201B, '\''},
    {0x201F, '"'}, {0x2044, '/'}, {0x2002, ' '}, {0x2003, ' '}, {0x2009, ' '},  {0x200A, ' '}, {0x202F, ' '},
};

int directByte(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return int(ch);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == ch) return 0x80 + i;
    return -1;
}

}  // namespace

namespace Cp1252 {

char16_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
    return char16_t(byte);
}

QString toUnicode(const char* data, int length) {
    QString out;
    out.resize(length);
    for (int i = 0; i < length; ++i) out[i] = QChar(toUnicode(static_cast<unsigned char>(data[i])));
    return out;
}

QString toUnicode(const QByteArray& bytes) { return toUnicode(bytes.constData(), int(bytes.size())); }

unsigned char fromUnicode(char32_t ch) {
    int b = directByte(ch);
    if (b >= 0) return static_cast<unsigned char>(b);
    for (const Similar& s : kSimilar)
        if (s.ch == ch) return static_cast<unsigned char>(s.byte);
    // An accented letter outside the code page loses its accent: the first
    // character of its canonical decomposition is the base letter.
    const QString decomposed = QString::fromUcs4(&ch, 1).normalized(QString::NormalizationForm_D);
    if (!decomposed.isEmpty()) {
        const char32_t base = decomposed.at(0).unicode();
        if (base != ch && !decomposed.at(0).isSurrogate()) {
            b = directByte(base);
            if (b >= 0 && b >= 0x20) return static_cast<unsigned char>(b);
        }
    }
    return '?';
}

QByteArray fromUnicode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    const QList<uint> ucs4 = text.toUcs4();
    for (uint ch : ucs4) out.append(char(fromUnicode(ch)));
    return out;
}

bool canEncode(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    for (uint ch : ucs4)
        if (directByte(ch) < 0) return false;
    return true;
}

}  // namespace Cp1252
