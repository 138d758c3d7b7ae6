#include "archive/FieldCriteria.h"

#include <cstring>

#include "platform/Cp1252.h"
#include "platform/Text.h"

namespace {

inline unsigned char fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

// needle (already folded) inside [text, text + length), folding the text.
bool containsFolded(const unsigned char* text, int length, const QByteArray& needle) {
    const int n = int(needle.size());
    if (n == 0) return true;
    if (n > length) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(needle.constData());
    const unsigned char first = p[0];
    for (int i = 0; i + n <= length; ++i) {
        if (fold(text[i]) != first) continue;
        int k = 1;
        while (k < n && fold(text[i + k]) == p[k]) ++k;
        if (k == n) return true;
    }
    return false;
}

}  // namespace

void FieldCriteria::add(const CardField& field, const QString& typed) {
    if (Text::trim(typed).isEmpty()) return;
    const int index = layout_->indexOf(field);
    Q_ASSERT(index >= 0);
    QByteArray folded = Cp1252::fromUnicode(typed);
    for (char& c : folded) c = char(fold(static_cast<unsigned char>(c)));
    criteria_.push_back({layout_->offset(index), layout_->capacity(index), folded, Cp1252::canEncode(typed)});
}

bool FieldCriteria::matches(const char* record) const {
    for (const Criterion& c : criteria_) {
        if (!c.possible) return false;
        const auto* field = reinterpret_cast<const unsigned char*>(record + c.offset);
        int length = field[0];
        if (length > c.capacity) length = c.capacity;  // a damaged length never reads past the field
        const unsigned char* text = field + 1;
        // The field's text as read is trimmed of codes 32 and below.
        int begin = 0, end = length;
        while (begin < end && text[begin] <= ' ') ++begin;
        while (end > begin && text[end - 1] <= ' ') --end;
        if (!containsFolded(text + begin, end - begin, c.folded)) return false;
    }
    return true;
}
