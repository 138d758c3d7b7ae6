#pragma once
// The three attached files of a card, each a bare name inside
// "Documenti_Allegati" (archive/AttachedFiles.h) with its description. The
// cards that keep them (cases, clients, protocol, employees, books) end with
// their catalogue's attachment fields.
#include <QString>
#include <array>

#include "archive/CardCatalogue.h"

class TRecordWindow;

struct Attachments {
    static constexpr int kSlots = AttachmentFields::kSlots;

    std::array<QString, kSlots> files;
    std::array<QString, kSlots> descriptions;

    bool operator==(const Attachments&) const = default;

    // The six fields of the card a record window shows, trimmed.
    static Attachments of(const TRecordWindow& window);
    // Writes the six values into the card's fields; they reach the archive
    // when the user saves the card.
    void applyTo(TRecordWindow& window) const;

    // The attach window on the card a record window shows, opened with the
    // window's keyword. True when the user applied a change to the card.
    static bool editOn(TRecordWindow& window, const QString& keyword);
};
