#include "archive/Attachments.h"

#include <stdexcept>

#include "archive/RecordWindow.h"
#include "archive/TfrmAllegaCartella.h"

namespace {

// The card's attachment fields; asked for only of a card that has them.
const AttachmentFields& fieldsOf(const TRecordWindow& window) {
    if (const AttachmentFields* a = window.card().attachments()) return *a;
    throw std::logic_error("attachments asked for on a card without them");
}

}  // namespace

Attachments Attachments::of(const TRecordWindow& window) {
    const AttachmentFields& f = fieldsOf(window);
    Attachments a;
    for (size_t i = 0; i < kSlots; ++i) {
        a.files[i] = window.fieldText(f.files[i]);
        a.descriptions[i] = window.fieldText(f.descriptions[i]);
    }
    return a;
}

void Attachments::applyTo(TRecordWindow& window) const {
    const AttachmentFields& f = fieldsOf(window);
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
