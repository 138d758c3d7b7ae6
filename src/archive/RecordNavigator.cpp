#include "archive/RecordNavigator.h"

#include "archive/ArchivioSchede.h"

RecordNavigator::RecordNavigator(QString fileName, const RecordLayout& layout)
    : fileName_(std::move(fileName)), layout_(&layout) {}

RecordNavigator::Step RecordNavigator::step(const std::function<int(int count)>& choose, Record& record) {
    TArchivioSchede a;
    a.open(fileName_, *layout_);
    const int n = a.count();
    const int index = choose(n);
    if (index < 0) {
        a.close();
        return index == kEmpty ? Step::Empty : Step::Nothing;
    }
    a.seek(index);
    a.read(record);
    const int at = a.position();
    a.close();
    position_ = at;
    return Step::Loaded;
}

RecordNavigator::Step RecordNavigator::first(Record& record) {
    return step([](int n) { return n == 0 ? kEmpty : 0; }, record);
}

RecordNavigator::Step RecordNavigator::last(Record& record) {
    return step([](int n) { return n == 0 ? kEmpty : n - 1; }, record);
}

RecordNavigator::Step RecordNavigator::next(Record& record) {
    return step(
        [this](int n) {
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
        [this](int n) {
            if (position_ == 1) return kNothing;  // the first card
            if (n == 0) return kEmpty;
            if (position_ == 0) return 0;
            return position_ >= 2 ? position_ - 2 : kNothing;
        },
        record);
}

void RecordNavigator::save(const Record& record) { position_ = Archive::saveAt(fileName_, *layout_, record, position_); }

void RecordNavigator::check() const {
    TArchivioSchede a;
    a.open(fileName_, *layout_);
    a.close();
}
