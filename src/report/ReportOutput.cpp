#include "report/ReportOutput.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "report/PreparedReport.h"
#include "report/TfrmAnteprima.h"
#include "ui/Form.h"
#include "ui/Modal.h"

namespace {

ReportOutput::Handler& handler() {
    static ReportOutput::Handler h;
    return h;
}

OutputResult printWithDialog(QWidget* owner, const PreparedReport& report) {
    // Without any printer the dialog would offer nothing to choose.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) return OutputResult::Failed;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);  // the pages carry their own margins
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.documentTitle.isEmpty() ? report.name : report.documentTitle);
    printer.setFromTo(0, 0);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, std::max(1, report.pageCount()));
    if (Modal::exec(&dialog) != QDialog::Accepted) return OutputResult::Cancelled;
    WaitCursor wait;
    return ReportOutput::printOn(printer, report) ? OutputResult::Done : OutputResult::Failed;
}

OutputResult showPreview(QWidget* owner, std::shared_ptr<const PreparedReport> report) {
    TfrmAnteprima window(std::move(report), owner);
    window.showModal();
    return OutputResult::Done;
}

}  // namespace

namespace ReportOutput {

OutputResult print(QWidget* owner, std::shared_ptr<const PreparedReport> report) {
    if (!report) return OutputResult::Failed;
    if (handler()) return handler()({Action::Print, owner, report});
    return printWithDialog(owner, *report);
}

OutputResult preview(QWidget* owner, std::shared_ptr<const PreparedReport> report) {
    if (!report) return OutputResult::Failed;
    if (handler()) return handler()({Action::Preview, owner, report});
    return showPreview(owner, std::move(report));
}

bool printOn(QPrinter& printer, const PreparedReport& report) {
    int first = 1, last = report.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : last);
    }
    if (first > last) return false;
    // Where the print system cannot make the copies itself, they are sent one by one.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = printer.resolution() / 96.0;
    bool firstPage = true;
    for (int c = 0; c < copies; ++c) {
        for (int i = first; i <= last; ++i) {
            if (!firstPage && !printer.newPage()) return false;
            firstPage = false;
            report.paintPage(painter, i - 1, scale);
        }
    }
    return painter.end();
}

void setHandler(Handler h) { handler() = std::move(h); }
void resetHandler() { handler() = nullptr; }

}  // namespace ReportOutput
