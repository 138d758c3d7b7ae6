#include "archive/Attachments.h"

#include "archive/RecordWindow.h"
#include "archive/TfrmAllegaCartella.h"

namespace {

QString fileField(int slot) { return QStringLiteral("File%1").arg(slot + 1, 2, 10, QLatin1Char('0')); }
QString descField(int slot) { return QStringLiteral("Desc%1").arg(slot + 1, 2, 10, QLatin1Char('0')); }

}  // namespace

QString Attachments::keyword(Mode mode) {
    switch (mode) {
    case Mode::Pratica: return QStringLiteral("pratica");
    case Mode::Clienti: return QStringLiteral("clienti");
    case Mode::Protocollo: return QStringLiteral("protocollo");
    case Mode::Dipendenti: return QStringLiteral("dipendenti");
    case Mode::Libri: return QStringLiteral("libri");
    }
    return {};
}

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
        window.setFieldText(fileField(i), files[size_t(i)]);
        window.setFieldText(descField(i), descriptions[size_t(i)]);
    }
}

bool Attachments::editOn(TRecordWindow& window, Mode mode) {
    const std::optional<Attachments> edited = TfrmAllegaCartella::edit(&window, mode, of(window));
    if (!edited) return false;
    edited->applyTo(window);
    return true;
}
