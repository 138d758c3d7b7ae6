#pragma once
// A record type as a table of (field name, capacity): the fields lie back to
// back in this order, each a TTestoCorto of N + 1 bytes. The table fixes the
// byte format of a record file and binds the fields to a window's controls.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

#include "archive/CardField.h"

struct FieldDef {
    QString name;
    int capacity;
};

class RecordLayout {
public:
    RecordLayout(QString typeName, std::vector<FieldDef> fields);

    const QString& typeName() const { return typeName_; }
    const std::vector<FieldDef>& fields() const { return fields_; }
    int fieldCount() const { return int(fields_.size()); }
    int size() const { return size_; }

    // The field's place, -1 when the layout has no such field: a field of the
    // layout's own catalogue by its place, any other by its name.
    int indexOf(const CardField& field) const;
    int offset(int index) const { return offsets_[size_t(index)]; }
    int capacity(int index) const { return fields_[size_t(index)].capacity; }
    // Offset and capacity of a field, which must exist.
    int offset(const CardField& field) const;
    int capacity(const CardField& field) const;

private:
    QString typeName_;
    std::vector<FieldDef> fields_;
    std::vector<int> offsets_;
    int size_ = 0;
};

// One record's bytes, read or written field by field through its layout.
class Record {
public:
    explicit Record(const RecordLayout& layout);
    // A copy always owns its bytes, so a record kept from a scan stays as it
    // was read when the scan moves on (the scan lends its buffer, see view()).
    Record(const Record& other);
    Record& operator=(const Record& other);
    Record(Record&&) noexcept = default;
    Record& operator=(Record&&) noexcept = default;

    // Lends these bytes (layout size) to the record without copying them,
    // for as long as they stay valid; a scan of a whole file reads each
    // record this way. Changing the record first takes its own copy.
    void view(const char* bytes);

    const RecordLayout& layout() const { return *layout_; }
    QByteArray& bytes() { return bytes_; }
    const QByteArray& bytes() const { return bytes_; }

    QString get(const CardField& field) const;
    QString get(int index) const;
    // The text get() gives, decoded into buffer rather than a string of its
    // own, for the scans that read a field of every card; valid while the
    // buffer and the record's bytes are.
    using FieldText = std::array<char16_t, 255>;
    QStringView read(int index, FieldText& buffer) const;
    void set(const CardField& field, const QString& text);
    void set(int index, const QString& text);

    // Every field empty (all bytes zero).
    void clear();

private:
    const RecordLayout* layout_;
    QByteArray bytes_;
};

// What a list, a summary or an export makes of a record: takes it, leaves
// it, or cannot tell, because a value its choice rests on cannot be read (a
// date that is no date, a done flag neither "Sì" nor "No", an amount that is
// no amount). Such records are left out and counted (LeftOut). A bool
// converts: true takes, false leaves.
class Pick {
public:
    enum Kind { Leave, Take, UnreadableDate, UnreadableState, UnreadableAmount };
    Pick(bool take) : kind_(take ? Take : Leave) {}
    static Pick unreadableDate() { return Pick(UnreadableDate); }
    static Pick unreadableState() { return Pick(UnreadableState); }
    static Pick unreadableAmount() { return Pick(UnreadableAmount); }
    Kind kind() const { return kind_; }
    bool taken() const { return kind_ == Take; }

private:
    explicit Pick(Kind kind) : kind_(kind) {}
    Kind kind_;
};

// Which records a list, a summary or an export takes; an empty filter takes
// every record.
using RecordFilter = std::function<Pick(const Record&)>;
