#pragma once
// The objects a report template places on its page: text boxes ("memos"),
// pictures, lines and rectangles. Positions and sizes are report units,
// pixels at 96 per inch, measured from the top left of what holds them (the
// printable area of the page, or a band).
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>

class QPainter;

namespace Report {
constexpr double UnitsPerInch = 96.0;
constexpr double mm(double millimetres) { return millimetres * UnitsPerInch / 25.4; }
}  // namespace Report

enum class ObjectKind { Memo, Picture, Line, Rectangle };

class TReportObject {
public:
    TReportObject(ObjectKind kind, const QString& name, const QRectF& geometry);
    virtual ~TReportObject() = default;

    ObjectKind kind() const { return kind_; }
    const QString& name() const { return name_; }

    const QRectF& geometry() const { return geometry_; }
    void setGeometry(const QRectF& geometry) { geometry_ = geometry; }
    double left() const { return geometry_.left(); }
    double top() const { return geometry_.top(); }
    double width() const { return geometry_.width(); }
    double height() const { return geometry_.height(); }
    void setHeight(double height) { geometry_.setHeight(height); }

    virtual std::unique_ptr<TReportObject> clone() const = 0;
    // Paints in report units: the painter maps them to the device.
    virtual void paint(QPainter& painter) const = 0;

private:
    ObjectKind kind_;
    QString name_;
    QRectF geometry_;
};

// A text box: one or more lines in one font, inside an optional fill and frame.
class TMemo : public TReportObject {
public:
    TMemo(const QString& name, const QRectF& geometry);

    // The text as lines: "\n" (or "\r\n") separates them.
    void setText(const QString& text);
    QString text() const { return lines_.join(QLatin1Char('\n')); }
    const QStringList& lines() const { return lines_; }
    void setLines(const QStringList& lines) { lines_ = lines; }
    void clearLines() { lines_.clear(); }
    void addLine(const QString& line) { lines_.append(line); }

    // Style, chained when a template is declared.
    TMemo& font(const QString& family, double pointSize, bool bold = false);
    TMemo& textColor(const QColor& color);
    TMemo& fill(const QColor& color);
    TMemo& frame(const QColor& color = Qt::black, double width = 1.0);
    TMemo& align(Qt::Alignment alignment);
    TMemo& wordWrap(bool on);
    // A fixed distance between the tops of two lines; 0 takes the font's own.
    TMemo& linePitch(double units);
    // Lets the text carry [DATE], today's date once the report is prepared.
    // Only design texts use it: a value typed by the user is printed as typed.
    TMemo& variables(bool on = true);

    const QString& fontFamily() const { return family_; }
    double pointSize() const { return pointSize_; }
    bool bold() const { return bold_; }
    const QColor& textColor() const { return textColor_; }
    const QColor& fillColor() const { return fill_; }
    bool hasFrame() const { return frameWidth_ > 0; }
    const QColor& frameColor() const { return frameColor_; }
    Qt::Alignment alignment() const { return alignment_; }
    bool wordWrap() const { return wordWrap_; }
    bool expandsVariables() const { return variables_; }

    // The distance between line tops in report units.
    double pitch() const;
    // The lines as they are printed: wrapped to the box when word wrap is on.
    QStringList printedLines() const;

    std::unique_ptr<TReportObject> clone() const override;
    void paint(QPainter& painter) const override;

    // Room left between the frame and the text, on the left and the right.
    static constexpr double Padding = 2.0;

private:
    QStringList lines_;
    QString family_ = QStringLiteral("Arial");
    double pointSize_ = 10.0;
    bool bold_ = false;
    QColor textColor_ = Qt::black;
    QColor fill_ = Qt::transparent;
    QColor frameColor_ = Qt::black;
    double frameWidth_ = 0.0;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap_ = true;
    double linePitch_ = 0.0;
    bool variables_ = false;
};

// A picture kept in proportion and centred in its box. An SVG source stays a
// drawing, so that it prints sharp at any resolution.
class TPicture : public TReportObject {
public:
    TPicture(const QString& name, const QRectF& geometry);

    void setImage(const QImage& image);
    // An SVG or a raster file (resource paths too); false when unreadable.
    bool load(const QString& path);
    bool setSvg(const QByteArray& svg);

    bool isEmpty() const { return image_.isNull() && svg_.isEmpty(); }
    bool isVector() const { return !svg_.isEmpty(); }
    const QImage& image() const { return image_; }
    // Where the picture lands inside its box.
    QRectF pictureRect() const;

    std::unique_ptr<TReportObject> clone() const override;
    void paint(QPainter& painter) const override;

private:
    QImage image_;
    QByteArray svg_;
    QSizeF svgSize_;
};

// A straight line from the top left to the bottom right of its box: a box
// of height 0 is a horizontal line, of width 0 a vertical one.
class TLine : public TReportObject {
public:
    TLine(const QString& name, const QRectF& geometry);
    TLine& color(const QColor& color);
    TLine& lineWidth(double units);
    const QColor& lineColor() const { return color_; }

    std::unique_ptr<TReportObject> clone() const override;
    void paint(QPainter& painter) const override;

private:
    QColor color_ = Qt::black;
    double width_ = 1.0;
};

class TRectangle : public TReportObject {
public:
    TRectangle(const QString& name, const QRectF& geometry);
    TRectangle& fill(const QColor& color);
    TRectangle& frame(const QColor& color = Qt::black, double width = 1.0);
    const QColor& fillColor() const { return fill_; }

    std::unique_ptr<TReportObject> clone() const override;
    void paint(QPainter& painter) const override;

private:
    QColor fill_ = Qt::transparent;
    QColor frameColor_ = Qt::black;
    double frameWidth_ = 1.0;
};
