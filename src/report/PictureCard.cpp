#include "report/PictureCard.h"

#include <QFontMetricsF>
#include <algorithm>

#include "platform/Text.h"
#include "report/ReportFonts.h"

namespace {

const QString kFamily = QStringLiteral("Arial");

constexpr double kTitleHeight = 32;
constexpr double kGap = 8;
constexpr double kCaptionHeight = 16;
constexpr double kValueHeight = 24;
constexpr double kBoxGap = 6;
constexpr double kMaxPitch = 52;

double textWidth(const TMemo& memo, const QString& text) {
    const QFont f = ReportFonts::font(memo.fontFamily(), memo.pointSize(), memo.bold(), ReportFonts::reference());
    return QFontMetricsF(f, ReportFonts::reference()).horizontalAdvance(text);
}

void shrinkToWidth(TMemo& memo) {
    const double room = memo.width() - 2 * TMemo::Padding;
    while (memo.pointSize() > 6 && textWidth(memo, memo.text()) > room)
        memo.font(memo.fontFamily(), memo.pointSize() - 0.5, memo.bold());
}

}  // namespace

namespace PictureCard {

std::unique_ptr<TReport> build(const PictureCardLook& look, const QString& title, const QImage& picture,
                               const std::vector<PictureCardRow>& rows) {
    auto rep = std::make_unique<TReport>(look.reportName, ReportKind::Card);
    TReportPage& page = *rep->page(1);
    page.setOrientation(QPageLayout::Portrait);
    page.setMargins(10);
    const double w = page.width();

    // 16 pixels high: 12 points.
    page.addMemo(look.titleMemo, 0, 0, w, kTitleHeight)
        .font(kFamily, 12)
        .textColor(Qt::white)
        .fill(look.bar)
        .align(Qt::AlignCenter)
        .wordWrap(false)
        .setText(Text::trim(title));

    TPicture& photo = page.addPicture(QStringLiteral("imgLogo"), 0, kTitleHeight + kGap, w, look.pictureHeight);
    photo.setImage(picture);

    const double top = kTitleHeight + kGap + look.pictureHeight + kGap;
    const double pitch = rows.empty() ? kMaxPitch : std::min(kMaxPitch, (page.height() - top) / double(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) {
        const PictureCardRow& row = rows[r];
        if (row.empty()) continue;
        const double y = top + double(r) * pitch;
        const double boxWidth = (w - kBoxGap * double(row.size() - 1)) / double(row.size());
        for (size_t b = 0; b < row.size(); ++b) {
            const PictureCardBox& box = row[b];
            const double x = double(b) * (boxWidth + kBoxGap);
            page.addMemo(QStringLiteral("tit") + box.memo.mid(3), x, y, boxWidth, kCaptionHeight)
                .font(kFamily, 8, true)
                .textColor(Qt::white)
                .fill(look.bar)
                .align(Qt::AlignLeft | Qt::AlignVCenter)
                .wordWrap(false)
                .setText(box.caption);
            TMemo& value = page.addMemo(box.memo, x, y + kCaptionHeight, boxWidth, kValueHeight)
                               .font(kFamily, 10)
                               .frame(Qt::black, 1)
                               .align(Qt::AlignLeft | Qt::AlignVCenter)
                               .wordWrap(false);
            value.setText(Text::trim(box.value));
            shrinkToWidth(value);
        }
    }
    return rep;
}

}  // namespace PictureCard
