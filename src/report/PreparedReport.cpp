#include "report/PreparedReport.h"

#include <QPainter>

#include "platform/Text.h"

const TReportObject* PreparedPage::find(const QString& name) const {
    const QString wanted = Text::lowerAZ(name);
    for (const auto& o : objects)
        if (Text::lowerAZ(o->name()) == wanted) return o.get();
    return nullptr;
}

const TMemo* PreparedPage::memo(const QString& name) const {
    const TReportObject* o = find(name);
    return o && o->kind() == ObjectKind::Memo ? static_cast<const TMemo*>(o) : nullptr;
}

QPageLayout PreparedReport::pageLayout() const {
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void PreparedReport::paintPage(QPainter& painter, int index, double scale) const {
    if (index < 0 || index >= pageCount()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    for (const auto& o : pages[size_t(index)].objects) o->paint(painter);
    painter.restore();
}
