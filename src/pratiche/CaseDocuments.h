#pragma once
// The detailed list of a case's documents: 32 independent entries, any of
// them empty, kept in the case's fields Doc01..Doc32. The document-list
// window edits a copy; the case window gets it back only on "Applica e
// chiudi", and the archive only when the case is saved.
#include <QString>
#include <array>

class TRecordWindow;

struct CaseDocuments {
    static constexpr int kEntries = 32;

    std::array<QString, kEntries> entries;

    bool operator==(const CaseDocuments&) const = default;

    // The entries of the case the window shows, trimmed.
    static CaseDocuments of(const TRecordWindow& caseWindow);
    // Writes the entries into the case's fields.
    void applyTo(TRecordWindow& caseWindow) const;
};
