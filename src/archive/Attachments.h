#pragma once
// The three attached files of a card, each a bare name inside
// "Documenti_Allegati" (archive/AttachedFiles.h) with its description. The
// record windows of cases, clients, protocol, employees and books keep them
// in the fields File01..File03 and Desc01..Desc03.
#include <QString>
#include <array>

class TRecordWindow;

struct Attachments {
    static constexpr int kSlots = 3;

    // The windows that keep attachments; the attach window shows the
    // keyword of the one that opened it.
    enum class Mode { Pratica, Clienti, Protocollo, Dipendenti, Libri };
    static QString keyword(Mode mode);

    std::array<QString, kSlots> files;
    std::array<QString, kSlots> descriptions;

    bool operator==(const Attachments&) const = default;

    // The six fields of the card a record window shows, trimmed.
    static Attachments of(const TRecordWindow& window);
    // Writes the six values into the card's fields; they reach the archive
    // when the user saves the card.
    void applyTo(TRecordWindow& window) const;

    // The attach window on the card a record window shows, opened in the
    // window's mode. True when the user applied a change to the card.
    static bool editOn(TRecordWindow& window, Mode mode);
};
