#include "archive/Attachments.h"

#include "archive/RecordWindow.h"
#include "archive/TfrmAllegaCartella.h"

namespace {

// The card's attachment fields; transitional names for a window without a catalogue.
AttachmentFields fieldsOf(const TRecordWindow& window) {
    if (window.card() && window.card()->attachments()) return *window.card()->attachments();
    AttachmentFields a;
    for (int i = 0; i < AttachmentFields::kSlots; ++i) {
        a.files[size_t(i)] = QStringLiteral("File%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        a.descriptions[size_t(i)] = QStringLiteral("Desc%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    }
    return a;
}

}  // namespace

Attachments Attachments::of(const TRecordWindow& window) {
    const AttachmentFields f = fieldsOf(window);
    Attachments a;
    for (size_t i = 0; i < kSlots; ++i) {
        a.files[i] = window.fieldText(f.files[i]);
        a.descriptions[i] = window.fieldText(f.descriptions[i]);
    }
    return a;
}

void Attachments::applyTo(TRecordWindow& window) const {
    const AttachmentFields f = fieldsOf(window);
    for (size_t i = 0; i < kSlots; ++i) {
        window.setFieldText(f.files[i], files[i]);
        window.setFieldText(f.descriptions[i], descriptions[i]);
    }
}

bool Attachments::editOn(TRecordWindow& window, const QString& keyword) {
    const std::optional<Attachments> edited = TfrmAllegaCartella::edit(&window, keyword, of(window));
    if (!edited) return false;
    edited->applyTo(window);
    return true;
}
