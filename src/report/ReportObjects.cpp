#include "report/ReportObjects.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextLayout>

#include "report/ReportFonts.h"

TReportObject::TReportObject(ObjectKind kind, const QString& name, const QRectF& geometry)
    : kind_(kind), name_(name), geometry_(geometry) {}

// ---- TMemo ------------------------------------------------------------------

TMemo::TMemo(const QString& name, const QRectF& geometry) : TReportObject(ObjectKind::Memo, name, geometry) {}

void TMemo::setText(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    lines_ = text.split(breaks);
    // A closing line break ends the last line; it does not open another.
    if (lines_.size() > 1 && lines_.last().isEmpty()) lines_.removeLast();
    if (lines_.size() == 1 && lines_.first().isEmpty()) lines_.clear();
}

TMemo& TMemo::font(const QString& family, double pointSize, bool bold) {
    family_ = family;
    pointSize_ = pointSize;
    bold_ = bold;
    return *this;
}
TMemo& TMemo::textColor(const QColor& color) {
    textColor_ = color;
    return *this;
}
TMemo& TMemo::fill(const QColor& color) {
    fill_ = color;
    return *this;
}
TMemo& TMemo::frame(const QColor& color, double width) {
    frameColor_ = color;
    frameWidth_ = width;
    return *this;
}
TMemo& TMemo::align(Qt::Alignment alignment) {
    // A horizontal or a vertical alignment alone leaves the other as it was.
    if (alignment & Qt::AlignHorizontal_Mask)
        alignment_ = (alignment_ & ~Qt::AlignHorizontal_Mask) | (alignment & Qt::AlignHorizontal_Mask);
    if (alignment & Qt::AlignVertical_Mask)
        alignment_ = (alignment_ & ~Qt::AlignVertical_Mask) | (alignment & Qt::AlignVertical_Mask);
    return *this;
}
TMemo& TMemo::wordWrap(bool on) {
    wordWrap_ = on;
    return *this;
}
TMemo& TMemo::linePitch(double units) {
    linePitch_ = units;
    return *this;
}
TMemo& TMemo::variables(bool on) {
    variables_ = on;
    return *this;
}

double TMemo::pitch() const {
    if (linePitch_ > 0) return linePitch_;
    return QFontMetricsF(ReportFonts::font(family_, pointSize_, bold_, ReportFonts::reference()),
                         ReportFonts::reference())
        .height();
}

QStringList TMemo::printedLines() const {
    if (!wordWrap_) return lines_;
    const double room = width() - 2 * Padding;
    if (room <= 0) return lines_;
    const QFont f = ReportFonts::font(family_, pointSize_, bold_, ReportFonts::reference());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList out;
    for (const QString& line : lines_) {
        if (line.isEmpty()) {
            out << QString();
            continue;
        }
        QTextLayout layout(line, f, ReportFonts::reference());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(room);
            QString piece = line.mid(l.textStart(), l.textLength());
            while (piece.endsWith(QLatin1Char(' '))) piece.chop(1);
            out << piece;
        }
        layout.endLayout();
    }
    return out;
}

std::unique_ptr<TReportObject> TMemo::clone() const { return std::make_unique<TMemo>(*this); }

void TMemo::paint(QPainter& p) const {
    const QRectF r = geometry();
    p.save();
    if (fill_.alpha() > 0) p.fillRect(r, fill_);
    if (!lines_.isEmpty()) {
        const QFont f = ReportFonts::font(family_, pointSize_, bold_, p.device());
        const QFontMetricsF fm(f, p.device());
        p.setFont(f);
        p.setPen(textColor_);
        p.setClipRect(r, Qt::IntersectClip);
        const double step = pitch();
        const double block = step * lines_.size();
        double y = r.top();
        if (alignment_ & Qt::AlignBottom)
            y = r.bottom() - block;
        else if (alignment_ & Qt::AlignVCenter)
            y = r.center().y() - block / 2;
        const double baseline = (step - fm.height()) / 2 + fm.ascent();
        for (const QString& line : lines_) {
            const double w = fm.horizontalAdvance(line);
            double x = r.left() + Padding;
            if (alignment_ & Qt::AlignRight)
                x = r.right() - Padding - w;
            else if (alignment_ & Qt::AlignHCenter)
                x = r.center().x() - w / 2;
            p.drawText(QPointF(x, y + baseline), line);
            y += step;
        }
        p.setClipping(false);
    }
    if (frameWidth_ > 0) {
        QPen pen(frameColor_, frameWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    p.restore();
}

// ---- TPicture ---------------------------------------------------------------

TPicture::TPicture(const QString& name, const QRectF& geometry) : TReportObject(ObjectKind::Picture, name, geometry) {}

void TPicture::setImage(const QImage& image) {
    image_ = image;
    svg_.clear();
    svgSize_ = {};
}

bool TPicture::setSvg(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return false;
    image_ = QImage();
    svg_ = svg;
    svgSize_ = renderer.viewBoxF().size();
    if (svgSize_.isEmpty()) svgSize_ = renderer.defaultSize();
    return true;
}

bool TPicture::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) || bytes.trimmed().startsWith("<svg") ||
        bytes.trimmed().startsWith("<?xml"))
        return setSvg(bytes);
    QImage img;
    if (!img.loadFromData(bytes)) return false;
    setImage(img);
    return true;
}

QRectF TPicture::pictureRect() const {
    const QSizeF source = isVector() ? svgSize_ : QSizeF(image_.size());
    const QRectF box = geometry();
    if (source.isEmpty() || box.isEmpty()) return box;
    const QSizeF fitted = source.scaled(box.size(), Qt::KeepAspectRatio);
    QRectF r(QPointF(), fitted);
    r.moveCenter(box.center());
    return r;
}

std::unique_ptr<TReportObject> TPicture::clone() const { return std::make_unique<TPicture>(*this); }

void TPicture::paint(QPainter& p) const {
    if (isEmpty()) return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRect(geometry(), Qt::IntersectClip);
    if (isVector()) {
        QSvgRenderer renderer(svg_);
        renderer.render(&p, pictureRect());
    } else {
        p.drawImage(pictureRect(), image_);
    }
    p.restore();
}

// ---- TLine ------------------------------------------------------------------

TLine::TLine(const QString& name, const QRectF& geometry) : TReportObject(ObjectKind::Line, name, geometry) {}
TLine& TLine::color(const QColor& color) {
    color_ = color;
    return *this;
}
TLine& TLine::lineWidth(double units) {
    width_ = units;
    return *this;
}
std::unique_ptr<TReportObject> TLine::clone() const { return std::make_unique<TLine>(*this); }

void TLine::paint(QPainter& p) const {
    p.save();
    p.setPen(QPen(color_, width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(geometry().topLeft(), geometry().bottomRight());
    p.restore();
}

// ---- TRectangle -------------------------------------------------------------

TRectangle::TRectangle(const QString& name, const QRectF& geometry)
    : TReportObject(ObjectKind::Rectangle, name, geometry) {}
TRectangle& TRectangle::fill(const QColor& color) {
    fill_ = color;
    return *this;
}
TRectangle& TRectangle::frame(const QColor& color, double width) {
    frameColor_ = color;
    frameWidth_ = width;
    return *this;
}
std::unique_ptr<TReportObject> TRectangle::clone() const { return std::make_unique<TRectangle>(*this); }

void TRectangle::paint(QPainter& p) const {
    p.save();
    if (fill_.alpha() > 0) p.fillRect(geometry(), fill_);
    if (frameWidth_ > 0) {
        QPen pen(frameColor_, frameWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(geometry());
    }
    p.restore();
}
