#pragma once
// Fonts of the report objects on any device. Sizes are points of the page;
// the painter maps report units to the device, so the font is given the size
// that makes its glyphs come out at that many points after the mapping.
#include <QFont>
#include <QString>

class QPaintDevice;

namespace ReportFonts {

// A device of 96 dots per inch, where one pixel is one report unit: text is
// measured there, so the layout of a report is the same on every device.
QPaintDevice* reference();

QFont font(const QString& family, double pointSize, bool bold, const QPaintDevice* device);

}  // namespace ReportFonts
