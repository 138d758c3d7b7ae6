#pragma once
// Browsing and saving the cards of a record file, one card at a time: the
// position of the card shown (0 for a new card) and the steps a record window
// takes on it. No widgets: the window shows what the steps give and reports
// their failures. Every step opens the file and closes it before returning,
// and throws ArchiveError when the file cannot be used.
#include <QString>
#include <QtGlobal>
#include <functional>

#include "archive/RecordLayout.h"

class TArchivioSchede;

class RecordNavigator {
public:
    enum class Step {
        Loaded,   // a card was read: its record and its position
        Nothing,  // nothing changes (the first card on Previous, the last on Next)
        Empty,    // the archive holds no card
    };

    RecordNavigator(QString fileName, const RecordLayout& layout);

    const QString& fileName() const { return fileName_; }
    const RecordLayout& layout() const { return *layout_; }

    // The card shown; 0 for a new card not yet in the archive.
    qint64 position() const { return position_; }
    bool isNew() const { return position_ == 0; }
    void setPosition(qint64 position) { position_ = position; }
    void startNew() { position_ = 0; }

    // Each fills record when it gives Loaded, and then stands at its card.
    Step first(Record& record);
    Step last(Record& record);
    // A new card counts as standing before the first card.
    Step next(Record& record);
    // A new card goes to the first card.
    Step previous(Record& record);

    // Overwrites the card shown, or appends a new one and stands at it.
    // mayWrite, when given, runs under the same lock just before the write
    // and can stop it: then nothing changes and save returns false.
    bool save(const Record& record, const std::function<bool(TArchivioSchede&)>& mayWrite = {});

    // Opens and closes the archive: whether it can be used now.
    void check() const;

private:
    static constexpr qint64 kNothing = -1;
    static constexpr qint64 kEmpty = -2;
    // Opens the archive; choose gets the count and names the card to read.
    Step step(const std::function<qint64(qint64 count)>& choose, Record& record);

    QString fileName_;
    const RecordLayout* layout_;
    qint64 position_ = 0;
};
