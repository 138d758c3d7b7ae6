#pragma once
// A field of a card as the views name it: a member of its card's field
// catalogue (archive/CardCatalogue.h), checked by the compiler, carrying the
// field's place in the record and everything the catalogue says of it.
#include <QString>

class CardCatalogue;
struct FieldRow;

// How a card window edits a field.
enum class FieldKind {
    Text,       // typed, with the row's typing rules
    Flag,       // a check box: "Sì" or "No"
    PickList,   // a value picked from the row's entries, never typed
    TypedList,  // the row's entries or free typing, kept as typed
    UpperList,  // the row's entries or free typing, in upper case
    Amount,     // digits and a comma, written by the amount rule when left
    Date,       // picked from the calendar
    Hidden,     // carried unseen (attached files), emptied on a new card
    Derived,    // worked out at every save and carried unseen
    Choice,     // option buttons the window makes itself, with their own editor
};

// What a field holds, where its editor does not tell (a date typed as text,
// a time worked out from its hour and minutes): a spreadsheet cell is typed
// after it.
enum class FieldValue { Text, Date, Time, Amount };

// A field of a card, as views name it: a member of its card's catalogue.
// An empty CardField names no field.
class CardField {
public:
    CardField() = default;
    // A field named by its stored name, resolved by name where it is used:
    // for tests and tools that pin a file's format field by field. The
    // program's own code names fields through their catalogue only (a build
    // with these constructors deleted compiles every library of src/).
    CardField(const char* name) : legacy_(QLatin1String(name)) {}
    CardField(const QString& name) : legacy_(name) {}
    CardField(QLatin1String name) : legacy_(name) {}

    bool isEmpty() const { return !card_ && legacy_.isEmpty(); }
    const CardCatalogue* card() const { return card_; }
    // The catalogue's row; only for a field of a catalogue.
    const FieldRow& row() const;
    int index() const { return index_; }
    const QString& name() const;
    const QString& caption() const;
    QString printCaption() const;
    QString findCaption() const;
    QString exportHeader() const;
    FieldValue value() const;

    bool operator==(const CardField& other) const {
        return card_ ? card_ == other.card_ && index_ == other.index_ : !other.card_ && legacy_ == other.legacy_;
    }

private:
    friend class CardCatalogue;
    CardField(const CardCatalogue* card, int index) : card_(card), index_(index) {}
    const CardCatalogue* card_ = nullptr;
    int index_ = -1;
    QString legacy_;
};
