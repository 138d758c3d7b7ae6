#include "archive/Attachments.h"

#include "archive/RecordWindow.h"
#include "archive/TfrmAllegaCartella.h"
#include "ui/Controls.h"

namespace {

QString fileField(int slot) { return QStringLiteral("File%1").arg(slot + 1, 2, 10, QLatin1Char('0')); }
QString descField(int slot) { return QStringLiteral("Desc%1").arg(slot + 1, 2, 10, QLatin1Char('0')); }

void setField(TRecordWindow& window, const QString& field, const QString& text) {
    if (QWidget* c = window.fieldControl(field)) Controls::setText(c, text);
}

}  // namespace

Attachments Attachments::of(const TRecordWindow& window) {
    Attachments a;
    for (int i = 0; i < kSlots; ++i) {
        a.files[size_t(i)] = window.fieldText(fileField(i));
        a.descriptions[size_t(i)] = window.fieldText(descField(i));
    }
    return a;
}

void Attachments::applyTo(TRecordWindow& window) const {
    for (int i = 0; i < kSlots; ++i) {
        setField(window, fileField(i), files[size_t(i)]);
        setField(window, descField(i), descriptions[size_t(i)]);
    }
}

bool Attachments::editOn(TRecordWindow& window, const QString& mode) {
    const std::optional<Attachments> edited = TfrmAllegaCartella::edit(&window, mode, of(window));
    if (!edited) return false;
    edited->applyTo(window);
    return true;
}
