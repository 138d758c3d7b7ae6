#pragma once
// The criteria of a find, matched on a record's stored bytes: each typed
// text must appear in its field, letters A to Z folded, as it would in the
// field's trimmed text. No card is decoded to text just to be turned down,
// which keeps a search of a large archive close to the speed of the disk.
#include <QByteArray>
#include <QString>
#include <vector>

#include "archive/RecordLayout.h"

class FieldCriteria {
public:
    explicit FieldCriteria(const RecordLayout& layout) : layout_(&layout) {}

    // A text of blanks only takes no part: it would otherwise count as found
    // wherever a field holds blanks. The field must exist in the layout.
    void add(const CardField& field, const QString& typed);

    // How many criteria take part.
    int size() const { return int(criteria_.size()); }

    // True when every criterion is met; with none, every record is.
    bool matches(const char* record) const;
    bool matches(const Record& record) const { return matches(record.bytes().constData()); }

private:
    struct Criterion {
        int offset;
        int capacity;
        QByteArray folded;  // the typed text in Windows-1252, A to Z folded
        bool possible;      // false when the text holds a character no byte stands for
    };
    const RecordLayout* layout_;
    std::vector<Criterion> criteria_;
};
