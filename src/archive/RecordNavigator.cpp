#include "archive/RecordNavigator.h"

#include "archive/ArchivioSchede.h"

RecordNavigator::RecordNavigator(QString fileName, const RecordLayout& layout)
    : fileName_(std::move(fileName)), layout_(&layout) {}

RecordNavigator::Step RecordNavigator::step(const std::function<qint64(qint64 count)>& choose, Record& record) {
    TArchivioSchede a;
    a.open(fileName_, *layout_);
    const qint64 n = a.count();
    const qint64 index = choose(n);
    if (index < 0) {
        a.close();
        return index == kEmpty ? Step::Empty : Step::Nothing;
    }
    a.seek(index);
    a.read(record);
    const qint64 at = a.position();
    a.close();
    position_ = at;
    return Step::Loaded;
}

RecordNavigator::Step RecordNavigator::first(Record& record) {
    return step([](qint64 n) -> qint64 { return n == 0 ? kEmpty : 0; }, record);
}

RecordNavigator::Step RecordNavigator::last(Record& record) {
    return step([](qint64 n) -> qint64 { return n == 0 ? kEmpty : n - 1; }, record);
}

RecordNavigator::Step RecordNavigator::next(Record& record) {
    return step(
        [this](qint64 n) -> qint64 {
            if (n == 0) {
                position_ = 0;
                return kEmpty;
            }
            return position_ < n ? position_ : kNothing;  // at the last card nothing happens
        },
        record);
}

RecordNavigator::Step RecordNavigator::previous(Record& record) {
    return step(
        [this](qint64 n) -> qint64 {
            if (position_ == 1) return kNothing;  // the first card
            if (n == 0) return kEmpty;
            if (position_ == 0) return 0;
            return position_ >= 2 ? position_ - 2 : kNothing;
        },
        record);
}

bool RecordNavigator::save(const Record& record, const std::function<bool(TArchivioSchede&)>& mayWrite) {
    const qint64 at = Archive::saveAt(fileName_, *layout_, record, position_, mayWrite);
    if (at == 0) return false;
    position_ = at;
    return true;
}

void RecordNavigator::check() const {
    TArchivioSchede a;
    a.open(fileName_, *layout_);
    a.close();
}
