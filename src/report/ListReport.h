#pragma once
// The list printout of every find and summary window: a title across the
// top of the first page, the list lines in a fixed-pitch font flowing over
// as many landscape pages as they need, and the date of the print at the
// bottom of every page.
//
//   ListReport::printList(this, "Riepilogo clienti in archivio", lines);
#include <QString>
#include <QStringList>
#include <memory>

#include "report/Report.h"

class QWidget;

namespace ListReport {

// The height of one list line in report units.
constexpr double LineHeight = 12.822;

// The empty template `frxReport`: txtTitolo in its title band, txtRiepilogo
// in MasterData, txtPagina in the page footer.
std::unique_ptr<TReport> create();

// The list fill: title, the lines in order (closing lines included), the
// body as tall as its lines and its band 10 units taller; then prepared.
void fill(TReport& report, const QString& title, const QStringList& lines);

// The template filled and prepared, not printed.
std::unique_ptr<TReport> prepared(const QString& title, const QStringList& lines);

// Fills, prepares and prints, offering the print dialog.
OutputResult printList(QWidget* owner, const QString& title, const QStringList& lines);

}  // namespace ListReport
