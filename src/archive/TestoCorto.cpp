#include "archive/TestoCorto.h"

#include <cstring>

#include "platform/Cp1252.h"
#include "platform/Text.h"

namespace TTestoCorto {

void encodeInto(char* field, const QString& text, int capacity) {
    const QByteArray bytes = Cp1252::fromUnicode(Text::trim(text)).left(capacity);
    std::memset(field, 0, size_t(capacity) + 1);
    field[0] = char(static_cast<unsigned char>(bytes.size()));
    std::memcpy(field + 1, bytes.constData(), size_t(bytes.size()));
}

QByteArray encode(const QString& text, int capacity) {
    QByteArray out(capacity + 1, '\0');
    encodeInto(out.data(), text, capacity);
    return out;
}

QByteArrayView stored(const char* field, int capacity) {
    int length = static_cast<unsigned char>(field[0]);
    if (length > capacity) length = capacity;
    const auto* text = reinterpret_cast<const unsigned char*>(field + 1);
    int begin = 0, end = length;
    while (begin < end && text[begin] <= ' ') ++begin;
    while (end > begin && text[end - 1] <= ' ') --end;
    return QByteArrayView(field + 1 + begin, end - begin);
}

// Trimmed as bytes before the one conversion: codes 32 and below are the
// same characters in both.
QString decode(const char* field, int capacity) {
    const QByteArrayView bytes = stored(field, capacity);
    return Cp1252::toUnicode(bytes.data(), int(bytes.size()));
}

QStringView decodeInto(const char* field, int capacity, char16_t* buffer) {
    const QByteArrayView bytes = stored(field, capacity);
    for (qsizetype i = 0; i < bytes.size(); ++i) buffer[i] = Cp1252::toUnicode(static_cast<unsigned char>(bytes[i]));
    return QStringView(buffer, bytes.size());
}

}  // namespace TTestoCorto
