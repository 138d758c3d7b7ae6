#include "archive/CardCatalogue.h"

#include <algorithm>

#include <stdexcept>

#include "archive/Province.h"

const FieldRow& CardField::row() const {
    if (!card_) throw std::logic_error(("field " + legacy_ + " is named outside its catalogue").toStdString());
    return card_->row(index_);
}

const QString& CardField::name() const { return card_ ? row().name : legacy_; }

const QString& CardField::caption() const { return row().caption; }

QString CardField::printCaption() const {
    const FieldRow& r = row();
    return r.printCaption.isEmpty() ? r.caption : r.printCaption;
}

QString CardField::findCaption() const {
    const FieldRow& r = row();
    return r.findCaption.isEmpty() ? r.caption : r.findCaption;
}

QString CardField::exportHeader() const {
    const FieldRow& r = row();
    if (!r.exportHeader.isEmpty()) return r.exportHeader;
    const QString printed = printCaption();
    return printed.endsWith(QLatin1Char(':')) ? printed.chopped(1) : printed;
}

FieldValue CardField::value() const {
    const FieldRow& r = row();
    if (r.value) return *r.value;
    switch (r.kind) {
    case FieldKind::Date: return FieldValue::Date;
    case FieldKind::Amount: return FieldValue::Amount;
    default: return FieldValue::Text;
    }
}

CardCatalogue::~CardCatalogue() = default;

QString CardCatalogue::needs(const char* what) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") + QString::fromUtf8(what);
}

const QStringList& CardCatalogue::provinces() { return Province::codes(); }

std::vector<CardField> CardCatalogue::fields() const {
    std::vector<CardField> out;
    out.reserve(rows_.size());
    for (size_t i = 0; i < rows_.size(); ++i) out.push_back(CardField(this, int(i)));
    return out;
}

std::vector<CardField> CardCatalogue::requiredFields() const {
    std::vector<CardField> out;
    if (!requiredOrder_.empty()) {
        for (int i : requiredOrder_) out.push_back(CardField(this, i));
        return out;
    }
    for (const FieldRow& r : rows_)
        if (!r.required.isEmpty()) out.push_back(CardField(this, r.index));
    return out;
}

void CardCatalogue::askRequiredIn(std::initializer_list<CardField> order) {
    std::vector<int> indices;
    for (const CardField& f : order) {
        if (f.isEmpty() || f.row().required.isEmpty()) throw std::logic_error("a field asked for that is not required");
        indices.push_back(f.row().index);
    }
    const auto required =
        std::count_if(rows_.begin(), rows_.end(), [](const FieldRow& r) { return !r.required.isEmpty(); });
    if (qsizetype(indices.size()) != qsizetype(required))
        throw std::logic_error("the order of the required fields leaves one out");
    requiredOrder_ = std::move(indices);
}

CardField CardCatalogue::byName(const QString& name) const {
    for (const FieldRow& r : rows_)
        if (r.name == name) return CardField(this, r.index);
    return {};
}

CardField CardCatalogue::field(const char* name, int capacity, FieldTraits traits) {
    if (layout_) throw std::logic_error("a field added to a sealed catalogue");
    FieldRow row;
    static_cast<FieldTraits&>(row) = std::move(traits);
    row.name = QString::fromLatin1(name);
    row.capacity = capacity;
    row.index = int(rows_.size());
    rows_.push_back(std::move(row));
    return CardField(this, rows_.back().index);
}

CardField CardCatalogue::numberedField(const char* prefix, int number, int capacity, const FieldTraits& traits) {
    const QByteArray name = QByteArray(prefix) + QByteArray::number(number).rightJustified(2, '0');
    return field(name.constData(), capacity, traits);
}

AttachmentFields CardCatalogue::attachmentFields() {
    AttachmentFields a;
    const FieldTraits hidden{.kind = FieldKind::Hidden};
    a.files = numbered<AttachmentFields::kSlots>("File", 250, hidden);
    a.descriptions = numbered<AttachmentFields::kSlots>("Desc", 250, hidden);
    attachments_ = a;
    return a;
}

void CardCatalogue::seal() {
    std::vector<FieldDef> defs;
    defs.reserve(rows_.size());
    for (const FieldRow& r : rows_) defs.push_back({r.name, r.capacity});
    layout_ = std::make_unique<RecordLayout>(typeName_, std::move(defs));
}
