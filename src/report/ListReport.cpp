#include "report/ListReport.h"

#include "report/PreparedReport.h"
#include "ui/Form.h"

namespace {
const QColor SlateGrey(0x70, 0x80, 0x90);
}

namespace ListReport {

std::unique_ptr<TReport> create() {
    auto report = std::make_unique<TReport>(QStringLiteral("frxReport"), ReportKind::List);
    TReportPage& page = *report->page(1);
    page.setOrientation(QPageLayout::Landscape);
    page.setMargins(10);
    const double width = page.width();

    page.addBand(QStringLiteral("ReportTitle"), BandKind::Title, 30)
        .addMemo(QStringLiteral("txtTitolo"), 0, 0, width, 22)
        .font(QStringLiteral("Verdana"), 9, true)
        .textColor(Qt::white)
        .fill(SlateGrey)
        .align(Qt::AlignCenter)
        .wordWrap(false);

    page.addBand(QStringLiteral("MasterData"), BandKind::MasterData, 10)
        .addMemo(QStringLiteral("txtRiepilogo"), 0, 0, width, 0)
        .font(QStringLiteral("Courier New"), 8)
        .linePitch(LineHeight)
        .wordWrap(false);

    TBand& footer = page.addBand(QStringLiteral("PageFooter"), BandKind::PageFooter, 26);
    footer.addLine(QStringLiteral("linPiede"), 0, 4, width, 0).color(SlateGrey).lineWidth(0.75);
    footer.addMemo(QStringLiteral("txtPagina"), 0, 8, width, 18)
        .font(QStringLiteral("Arial"), 8)
        .align(Qt::AlignRight | Qt::AlignVCenter)
        .wordWrap(false)
        .variables()
        .setText(QStringLiteral("Stampa eseguita in data [DATE]"));
    return report;
}

void fill(TReport& report, const QString& title, const QStringList& lines) {
    report.findMemo(QStringLiteral("txtTitolo"))->setText(title);
    report.setDocumentInfo(title, report.documentSubject());  // a list saved from the preview is named by its title
    TMemo* body = report.findMemo(QStringLiteral("txtRiepilogo"));
    body->clearLines();
    for (const QString& line : lines) body->addLine(line);
    body->setHeight(body->lines().size() * LineHeight);
    report.findBand(QStringLiteral("MasterData"))->setHeight(body->height() + 10);
    report.prepare();
}

std::unique_ptr<TReport> prepared(const QString& title, const QStringList& lines) {
    auto report = create();
    fill(*report, title, lines);
    return report;
}

OutputResult printList(QWidget* owner, const QString& title, const QStringList& lines) {
    std::unique_ptr<TReport> report;
    {
        WaitCursor wait;
        report = prepared(title, lines);
    }
    return report->print(owner);
}

}  // namespace ListReport
