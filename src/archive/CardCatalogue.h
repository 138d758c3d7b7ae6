#pragma once
// The field catalogue of a card: every field of a record type described
// once — its name and capacity (which, in order, fix the record's bytes),
// its caption, its kind, its typing rules, the warning when it is required —
// and every view of the card (its window, its printed sheet, its find, its
// list lines, its spreadsheet columns, its save rules) takes its fields from
// here by a member the compiler checks, never by a name spelt again.
//
//   class CaseFields final : public CardCatalogue {
//   public:
//       static const CaseFields& get();
//       const CardField Oggetto = field("Oggetto", 250, {.caption = "Oggetto pratica:"});
//       ...
//   };
//
// Members are registered in the order they are declared, which is the order
// of the fields in the record: moving one changes the file format.
#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "archive/CardField.h"
#include "archive/RecordLayout.h"
#include "ui/FieldEditor.h"

// One field of a catalogue; the members left empty take the defaults below.
struct FieldTraits {
    QString caption = {};  // above the control; a flag's caption
    FieldKind kind = FieldKind::Text;
    unsigned rules = 0;        // typing rules of a text (FieldKinds::TextRule)
    QString required = {};     // the warning when the card is saved with it empty
    QString control = {};      // objectName, where it is not "txt"/"chk"/"lbl" + the name
    QStringList entries = {};  // a list's entries
    int width = 0;             // a fixed width in pixels
    QString picker = {};       // a date's keyword in the date picker; "data" by default
    QString hint = {};         // the status line's text while the mouse is over it
    bool limited = true;       // at most the field's capacity can be typed
    // Where a view words the field otherwise than the window's caption.
    QString printCaption = {};  // a printed sheet's row; the caption by default
    QString findCaption = {};   // a find criterion; the caption by default
    QString exportHeader = {};  // a spreadsheet column; the printed caption without its colon by default
    // What it holds; by default a date field a date, an amount an amount, any
    // other text.
    std::optional<FieldValue> value = std::nullopt;
    bool rightAligned = false;  // a typed text or amount standing at the right, as figures in a ledger
};

// A field as the catalogue describes it.
struct FieldRow : FieldTraits {
    QString name;  // the record field
    int capacity = 0;
    int index = 0;  // in the record, from 0
};

// The three attached files of a card and their descriptions, which five
// cards keep at the end of their records.
struct AttachmentFields {
    static constexpr int kSlots = 3;
    std::array<CardField, kSlots> files;
    std::array<CardField, kSlots> descriptions;
};

class CardCatalogue {
public:
    CardCatalogue(const CardCatalogue&) = delete;
    CardCatalogue& operator=(const CardCatalogue&) = delete;

    const QString& typeName() const { return typeName_; }
    const std::vector<FieldRow>& rows() const { return rows_; }
    const FieldRow& row(int index) const { return rows_[size_t(index)]; }
    // Every field, in record order.
    std::vector<CardField> fields() const;
    // The field of that name, or an empty one.
    CardField byName(const QString& name) const;
    // The fields a card cannot be saved without, in the order they are asked
    // for: the record's, unless the catalogue gives another.
    std::vector<CardField> requiredFields() const;

    // The record's bytes: the fields back to back in this order.
    const RecordLayout& layout() const { return *layout_; }

    // The card's attachments; null for a card without them.
    const AttachmentFields* attachments() const { return attachments_ ? &*attachments_ : nullptr; }

protected:
    explicit CardCatalogue(QString typeName) : typeName_(std::move(typeName)) {}
    ~CardCatalogue();

    // The next field of the record.
    CardField field(const char* name, int capacity, FieldTraits traits = {});
    // count fields prefix01, prefix02, … of one description.
    template <size_t N>
    std::array<CardField, N> numbered(const char* prefix, int capacity, const FieldTraits& traits) {
        std::array<CardField, N> out;
        for (size_t i = 0; i < N; ++i) out[i] = numberedField(prefix, int(i) + 1, capacity, traits);
        return out;
    }
    // The six attachment fields, hidden, next in the record.
    AttachmentFields attachmentFields();

    // "Attenzione: per salvare la scheda è necessario indicare " + what: the
    // warning of most required fields.
    static QString needs(const char* what);
    // The provinces' codes, offered by a province's list.
    static const QStringList& provinces();

    // Where the warnings of the required fields come in another order than
    // the record's: every required field, in the order they are asked for.
    void askRequiredIn(std::initializer_list<CardField> order);

    // To call at the end of the catalogue's constructor, once every member
    // is registered: the layout is made from the rows.
    void seal();

private:
    CardField numberedField(const char* prefix, int number, int capacity, const FieldTraits& traits);

    QString typeName_;
    std::vector<FieldRow> rows_;
    std::optional<AttachmentFields> attachments_;
    std::vector<int> requiredOrder_;
    std::unique_ptr<RecordLayout> layout_;
};
