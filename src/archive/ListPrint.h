#pragma once
// The list print of every find and summary window: the title, then one
// printed line per list entry (closing lines included), straight to the printer.
#include <QString>
#include <QStringList>

class QWidget;

namespace ListPrint {
void print(QWidget* owner, const QString& title, const QStringList& lines);
}
