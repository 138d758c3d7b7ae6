#pragma once
// Where prepared reports go: the printer (through the print dialog) and the
// preview window. Tests put a recorder in their place and see what would
// have been printed or previewed, without a printer or a window.
#include <functional>
#include <memory>

#include "report/Report.h"

class QPrinter;
class QWidget;
class PreparedReport;

namespace ReportOutput {

enum class Action { Print, Preview };

struct Request {
    Action action = Action::Print;
    QWidget* owner = nullptr;
    std::shared_ptr<const PreparedReport> report;  // its buttons tell the preview what to offer
};

// The print dialog (printer, copies, pages) shown modally, then the pages.
OutputResult print(QWidget* owner, std::shared_ptr<const PreparedReport> report);
// The modal preview window, with the buttons the report allows.
OutputResult preview(QWidget* owner, std::shared_ptr<const PreparedReport> report);

// Paints the pages the printer's settings ask for (range, copies) on it.
bool printOn(QPrinter& printer, const PreparedReport& report);

using Handler = std::function<OutputResult(const Request&)>;
void setHandler(Handler handler);
void resetHandler();

}  // namespace ReportOutput
