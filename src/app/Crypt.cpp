#include "app/Crypt.h"

#include <cstdint>

namespace {
// The three constants of this installation's scrambling; the delivered store
// is written with the same values (tools/setup.cpp).
constexpr std::uint16_t kStartKey = 0x54D7;
constexpr std::uint16_t kMultiplier = 0x6F4B;
constexpr std::uint16_t kIncrement = 0x1D2F;

std::uint16_t next(std::uint16_t key, unsigned e) {
    return std::uint16_t((unsigned(key) + e) * kMultiplier + kIncrement);
}

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}
}  // namespace

namespace Crypt {

QString Encode(const QString& text) {
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    std::uint16_t key = kStartKey;
    for (QChar c : text) {
        const unsigned b = c.unicode() & 0xFF;
        const unsigned e = (b ^ (key >> 8)) & 0xFF;
        out += QLatin1Char(digits[e >> 4]);
        out += QLatin1Char(digits[e & 15]);
        key = next(key, e);
    }
    return out;
}

QString Decode(const QString& hex) {
    QString out;
    std::uint16_t key = kStartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int hi = hexValue(hex[i]), lo = hexValue(hex[i + 1]);
        if (hi < 0 || lo < 0) throw CryptError("not hexadecimal");
        const unsigned e = unsigned(hi * 16 + lo);
        out += QChar(char16_t((e ^ (key >> 8)) & 0xFF));
        key = next(key, e);
    }
    if (hex.size() % 2 == 1 && hexValue(hex.back()) < 0) throw CryptError("not hexadecimal");
    return out;
}

}  // namespace Crypt
