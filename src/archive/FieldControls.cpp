#include "archive/FieldControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/FieldEditor.h"

namespace {

QString prefixOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::Flag: return QStringLiteral("chk");
    case FieldKind::Hidden:
    case FieldKind::Derived: return QStringLiteral("lbl");
    default: return QStringLiteral("txt");
    }
}

}  // namespace

namespace FieldControls {

QWidget* make(const FieldRow& row, QWidget* parent) {
    const QString name = row.control.isEmpty() ? prefixOf(row.kind) + row.name : row.control;
    QWidget* c = nullptr;
    auto typed = [&](QLineEdit* e) {
        if (row.rightAligned) e->setAlignment(Qt::AlignRight);
        return e;
    };
    switch (row.kind) {
    case FieldKind::Text: c = typed(FieldKinds::text(parent, name, row.rules)); break;
    case FieldKind::Flag: c = FieldKinds::flag(parent, name, row.caption); break;
    case FieldKind::PickList: c = FieldKinds::pickList(parent, name, row.entries, row.width); break;
    case FieldKind::TypedList: c = FieldKinds::typedList(parent, name, row.entries, row.width); break;
    case FieldKind::UpperList: c = FieldKinds::upperList(parent, name, row.entries, row.width); break;
    case FieldKind::Amount: c = typed(FieldKinds::amount(parent, name)); break;
    case FieldKind::Date:
        c = FieldKinds::date(parent, name, row.picker.isEmpty() ? QStringLiteral("data") : row.picker);
        break;
    case FieldKind::Hidden: c = FieldKinds::hidden(parent, name); break;
    case FieldKind::Derived: c = FieldKinds::derived(parent, name); break;
    case FieldKind::Choice: return nullptr;
    }
    const bool list =
        row.kind == FieldKind::PickList || row.kind == FieldKind::TypedList || row.kind == FieldKind::UpperList;
    if (row.width > 0 && !list) c->setFixedWidth(row.width);
    return c;
}

}  // namespace FieldControls
