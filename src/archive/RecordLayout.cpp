#include "archive/RecordLayout.h"

#include <stdexcept>

#include "archive/CardCatalogue.h"
#include "archive/TestoCorto.h"

RecordLayout::RecordLayout(QString typeName, std::vector<FieldDef> fields)
    : typeName_(std::move(typeName)), fields_(std::move(fields)) {
    offsets_.reserve(fields_.size());
    for (const FieldDef& f : fields_) {
        if (f.capacity < 1 || f.capacity > 255) throw std::logic_error("field capacity out of range");
        offsets_.push_back(size_);
        size_ += f.capacity + 1;
    }
}

int RecordLayout::indexOf(const CardField& field) const {
    if (field.card() && &field.card()->layout() == this) return field.index();
    const QString& name = field.name();
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == name) return int(i);
    return -1;
}

static int mustFind(const RecordLayout& l, const CardField& field) {
    const int i = l.indexOf(field);
    if (i < 0) throw std::logic_error(("no field " + field.name() + " in " + l.typeName()).toStdString());
    return i;
}

int RecordLayout::offset(const CardField& field) const { return offset(mustFind(*this, field)); }
int RecordLayout::capacity(const CardField& field) const { return capacity(mustFind(*this, field)); }

Record::Record(const RecordLayout& layout) : layout_(&layout), bytes_(layout.size(), '\0') {}

QString Record::get(int index) const {
    return TTestoCorto::decode(bytes_.constData() + layout_->offset(index), layout_->capacity(index));
}

QStringView Record::read(int index, FieldText& buffer) const {
    return TTestoCorto::decodeInto(bytes_.constData() + layout_->offset(index), layout_->capacity(index),
                                   buffer.data());
}

QString Record::get(const CardField& field) const { return get(mustFind(*layout_, field)); }

void Record::set(int index, const QString& text) {
    TTestoCorto::encodeInto(bytes_.data() + layout_->offset(index), text, layout_->capacity(index));
}

void Record::set(const CardField& field, const QString& text) { set(mustFind(*layout_, field), text); }

Record::Record(const Record& other) : layout_(other.layout_), bytes_(other.bytes_) { bytes_.detach(); }

Record& Record::operator=(const Record& other) {
    layout_ = other.layout_;
    bytes_ = other.bytes_;
    bytes_.detach();
    return *this;
}

void Record::view(const char* bytes) { bytes_ = QByteArray::fromRawData(bytes, layout_->size()); }

void Record::clear() { bytes_.fill('\0'); }
