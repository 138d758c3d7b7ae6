#include "report/CardReport.h"

#include "platform/Text.h"

namespace {

const QString kFamily = QStringLiteral("Arial");
const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

TMemo& styled(TMemo& memo, const CardText& look) {
    memo.font(kFamily, look.pointSize, look.bold).textColor(look.color).fill(look.fill).align(look.align);
    if (look.framed) memo.frame(Qt::black, 1);
    return memo;
}

void shrinkToFit(TMemo& memo) {
    while (memo.printedLines().size() * memo.pitch() > memo.height() && memo.pointSize() > 6)
        memo.font(memo.fontFamily(), memo.pointSize() - 1, memo.bold());
}

}  // namespace

namespace CardLooks {

CardLook logoSheet(double rowPitch) {
    CardLook l;
    l.reportName = QStringLiteral("repScheda");
    l.logoSize = QSizeF(170, 64);
    l.titleLeft = 180;
    l.titleTop = 8;
    l.titleHeight = 48;
    l.title = {.pointSize = 16, .color = Qt::white, .fill = kDarkOrange, .align = Qt::AlignCenter};
    l.headingRule = 74;
    l.rowsTop = 86;
    l.rowPitch = rowPitch;
    l.rowHeight = rowPitch - 5;
    l.captionWidth = 180;
    l.valueLeft = 190;
    l.caption = {.pointSize = 9, .color = Qt::white, .fill = kTeal};
    l.value = {};
    l.closingRule = true;
    l.shrinkValues = true;
    l.footer = {.color = Qt::white, .fill = kDarkOrange, .align = Qt::AlignCenter};
    return l;
}

}  // namespace CardLooks

namespace CardReport {

std::unique_ptr<TReport> build(const CardLook& look, const QString& title, const std::vector<CardRow>& rows) {
    auto rep = std::make_unique<TReport>(look.reportName, ReportKind::Card);
    if (!look.documentTitle.isEmpty()) rep->setDocumentInfo(look.documentTitle, rep->documentSubject());
    TReportPage& page = *rep->page(1);
    page.setOrientation(QPageLayout::Portrait);
    page.setMargins(10);
    const double w = page.width();

    if (!look.logoSize.isEmpty())
        page.addPicture(QStringLiteral("imgLogo"), 0, 0, look.logoSize.width(), look.logoSize.height())
            .load(QStringLiteral(":/img/report/logo.svg"));
    styled(page.addMemo(look.titleMemo, look.titleLeft, look.titleTop, w - look.titleLeft, look.titleHeight),
           look.title)
        .setText(title);
    if (look.headingRule >= 0) page.addLine(QStringLiteral("linSepara01"), 0, look.headingRule, w, 0);

    const int count = int(rows.size());
    for (int i = 0; i < count; ++i) {
        const CardRow& row = rows[size_t(i)];
        const double y = look.rowsTop + i * look.rowPitch;
        if (look.framedRows)
            page.addRectangle(Report::numbered(QStringLiteral("shpRiga"), i + 1), 0, y, w, look.rowHeight)
                .frame(Qt::black, 1);
        const QString caption =
            row.captionMemo.isEmpty() ? Report::numbered(QStringLiteral("titCampo"), i + 1) : row.captionMemo;
        styled(page.addMemo(caption, look.captionLeft, y, look.captionWidth, look.rowHeight), look.caption)
            .setText(row.caption);
        const QString name = row.memo.isEmpty() ? Report::numbered(QStringLiteral("txtCampo"), i + 1) : row.memo;
        TMemo& value = styled(page.addMemo(name, look.valueLeft, y + look.valueInset,
                                           w - look.valueLeft - look.valueRight, look.rowHeight - 2 * look.valueInset),
                              look.value);
        value.setText(Text::trim(row.value));
        if (look.shrinkValues) shrinkToFit(value);
    }
    if (look.columnRule >= 0)
        page.addLine(QStringLiteral("linVerticale"), look.columnRule, look.rowsTop, 0, count * look.rowPitch);
    if (look.closingRule)
        page.addLine(QStringLiteral("linSepara02"), 0, look.rowsTop + count * look.rowPitch + 2, w, 0);

    styled(page.addMemo(QStringLiteral("txtCalce"), 0, page.height() - look.footerHeight, w, look.footerHeight),
           look.footer)
        .setText(Report::printStamp());
    return rep;
}

}  // namespace CardReport
