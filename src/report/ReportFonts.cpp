#include "report/ReportFonts.h"

#include <QImage>
#include <QPaintDevice>

namespace ReportFonts {

QPaintDevice* reference() {
    static QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMetre = qRound(96 / 0.0254);
        img.setDotsPerMeterX(dotsPerMetre);
        img.setDotsPerMeterY(dotsPerMetre);
        return img;
    }();
    return &device;
}

QFont font(const QString& family, double pointSize, bool bold, const QPaintDevice* device) {
    QFont f(family);
    const int dpi = device ? device->logicalDpiY() : 96;
    f.setPointSizeF(pointSize * 96.0 / (dpi > 0 ? dpi : 96));
    f.setBold(bold);
    // Unhinted glyphs advance by the same fractions of a unit on paper, on
    // screen and where text is measured.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

}  // namespace ReportFonts
