#include "report/Report.h"

#include <QPageSize>
#include <cmath>
#include <stdexcept>

#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "report/PdfWriter.h"
#include "report/PreparedReport.h"
#include "report/ReportOutput.h"
#include "ui/Messages.h"

namespace {

constexpr double Eps = 1e-6;

bool sameName(const QString& a, const QString& b) { return Text::lowerAZ(a) == Text::lowerAZ(b); }

TReportObject* findIn(const TObjectList& list, const QString& name) {
    for (const auto& o : list.objects())
        if (sameName(o->name(), name)) return o.get();
    return nullptr;
}

// Lays the template out, page after page.
class Layout {
public:
    Layout(const TReportPage& page, QSizeF paper) : page_(page) {
        const QMarginsF m = page.margins();
        area_ = QRectF(QPointF(Report::mm(m.left()), Report::mm(m.top())),
                       QPointF(paper.width() - Report::mm(m.right()), paper.height() - Report::mm(m.bottom())));
        double footers = 0;
        for (const auto& b : page.bands())
            if (b->kind() == BandKind::PageFooter) footers += b->height();
        limit_ = area_.bottom() - footers;
    }

    std::vector<std::vector<std::shared_ptr<TReportObject>>> run() {
        newPage();
        for (BandKind kind : {BandKind::Title, BandKind::MasterData})
            for (const auto& b : page_.bands())
                if (b->kind() == kind) placeBand(*b);
        for (auto& objects : pages_) {
            double y = limit_;
            for (const auto& b : page_.bands()) {
                if (b->kind() != BandKind::PageFooter) continue;
                for (const auto& o : b->objects()) objects.push_back(placed(*o, area_.left(), y));
                y += b->height();
            }
        }
        return std::move(pages_);
    }

private:
    // A copy of the object moved onto the paper, its lines as printed.
    static std::shared_ptr<TReportObject> placed(const TReportObject& o, double dx, double dy) {
        std::shared_ptr<TReportObject> c = o.clone();
        c->setGeometry(o.geometry().translated(dx, dy));
        if (c->kind() == ObjectKind::Memo) {
            auto* m = static_cast<TMemo*>(c.get());
            m->setLines(static_cast<const TMemo&>(o).printedLines());
            m->wordWrap(false);
        }
        return c;
    }

    void newPage() {
        pages_.emplace_back();
        for (const auto& o : page_.objects()) pages_.back().push_back(placed(*o, area_.left(), area_.top()));
        cursor_ = area_.top();
    }
    bool pageIsEmpty() const { return cursor_ <= area_.top() + Eps; }

    struct Entry {
        const TReportObject* source;
        QStringList lines;  // memos: the printed lines
        double pitch = 0;
        int next = 0;  // first line not printed yet
        bool done = false;
    };

    void placeBand(const TBand& band) {
        std::vector<Entry> entries;
        for (const auto& o : band.objects()) {
            Entry e{o.get(), {}, 0, 0, false};
            if (o->kind() == ObjectKind::Memo) {
                const auto& m = static_cast<const TMemo&>(*o);
                e.lines = m.printedLines();
                e.pitch = m.pitch();
            }
            entries.push_back(std::move(e));
        }
        const double total = band.height();
        double from = 0;
        for (;;) {
            const double room = limit_ - cursor_;
            if (total - from <= room + Eps) {
                put(entries, from, total, true);
                cursor_ += total - from;
                return;
            }
            if (room <= Eps && pageIsEmpty()) return;  // a page with no room at all
            double to = breakBefore(entries, from, from + room);
            if (to <= from + Eps) {
                if (!pageIsEmpty()) {
                    newPage();
                    continue;
                }
                to = from + room;  // taller than a whole page: nothing else can be done
            }
            put(entries, from, to, false);
            from = to;
            newPage();
        }
    }

    // Moves a page break up until it cuts no line of text and no picture,
    // line or rectangle that could start on the next page.
    static double breakBefore(const std::vector<Entry>& entries, double from, double to) {
        for (bool moved = true; moved;) {
            moved = false;
            for (const Entry& e : entries) {
                const QRectF& g = e.source->geometry();
                if (e.done || g.bottom() <= to + Eps) continue;
                if (e.source->kind() == ObjectKind::Memo) {
                    const double start = std::max(g.top(), from);
                    const int remaining = int(e.lines.size()) - e.next;
                    if (start >= to || remaining <= 0 || e.pitch <= 0) continue;
                    const int fit = int(std::floor((to - start) / e.pitch + Eps));
                    if (fit >= remaining) continue;
                    const double cut = start + fit * e.pitch;
                    if (cut < to - Eps) {
                        to = cut;
                        moved = true;
                    }
                } else if (g.top() > from + Eps && g.top() < to) {
                    to = g.top();
                    moved = true;
                }
            }
        }
        return to;
    }

    // Puts the part [from, to) of the band on the current page.
    void put(std::vector<Entry>& entries, double from, double to, bool last) {
        auto& page = pages_.back();
        for (Entry& e : entries) {
            if (e.done) continue;
            const QRectF& g = e.source->geometry();
            if (!last && g.top() >= to - Eps) continue;
            if (e.source->kind() != ObjectKind::Memo) {
                page.push_back(placed(*e.source, area_.left(), cursor_ - from));
                e.done = true;
                continue;
            }
            const double top = std::max(g.top(), from);
            const bool whole = last || g.bottom() <= to + Eps;
            const double bottom = whole ? g.bottom() : to;
            const int remaining = int(e.lines.size()) - e.next;
            int count = remaining;
            if (!whole && e.pitch > 0)
                count = std::min(remaining, std::max(0, int(std::floor((to - top) / e.pitch + Eps))));
            std::shared_ptr<TReportObject> c = e.source->clone();
            auto* m = static_cast<TMemo*>(c.get());
            c->setGeometry(
                QRectF(area_.left() + g.left(), cursor_ + (top - from), g.width(), std::max(0.0, bottom - top)));
            m->setLines(e.lines.mid(e.next, count));
            m->wordWrap(false);
            if (!(whole && e.next == 0)) m->align(Qt::AlignTop);  // a piece of a longer text
            e.next += count;
            e.done = whole;
            page.push_back(std::move(c));
        }
    }

    const TReportPage& page_;
    QRectF area_;
    double limit_ = 0;
    double cursor_ = 0;
    std::vector<std::vector<std::shared_ptr<TReportObject>>> pages_;
};

QString expand(QString line) { return line.replace(QLatin1String("[DATE]"), Formats::date(Clock::today())); }

}  // namespace

// ---- TObjectList ------------------------------------------------------------

template <class T>
T& TObjectList::add(const QString& name, const QRectF& geometry) {
    report_->claimName(name);
    auto o = std::make_unique<T>(name, geometry);
    T& ref = *o;
    objects_.push_back(std::move(o));
    return ref;
}

TMemo& TObjectList::addMemo(const QString& name, double x, double y, double w, double h) {
    return add<TMemo>(name, QRectF(x, y, w, h));
}
TPicture& TObjectList::addPicture(const QString& name, double x, double y, double w, double h) {
    return add<TPicture>(name, QRectF(x, y, w, h));
}
TLine& TObjectList::addLine(const QString& name, double x, double y, double w, double h) {
    return add<TLine>(name, QRectF(x, y, w, h));
}
TRectangle& TObjectList::addRectangle(const QString& name, double x, double y, double w, double h) {
    return add<TRectangle>(name, QRectF(x, y, w, h));
}

// ---- TReportPage ------------------------------------------------------------

void TReportPage::setMargins(double left, double top, double right, double bottom) {
    margins_ = QMarginsF(left, top, right, bottom);
}

QSizeF TReportPage::paperSize(QPageLayout::Orientation o) const {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF units(Report::mm(mm.width()), Report::mm(mm.height()));
    return o == QPageLayout::Landscape ? units.transposed() : units;
}

double TReportPage::width() const {
    return paperSize(orientation_).width() - Report::mm(margins_.left() + margins_.right());
}
double TReportPage::height() const {
    return paperSize(orientation_).height() - Report::mm(margins_.top() + margins_.bottom());
}

TBand& TReportPage::addBand(const QString& name, BandKind kind, double height) {
    report_->claimName(name);
    bands_.push_back(std::make_unique<TBand>(report_, name, kind, height));
    return *bands_.back();
}

// ---- TReport ----------------------------------------------------------------

TReport::TReport(const QString& name, ReportKind kind) : name_(name), kind_(kind), page_(this) {
    page_.setOrientation(kind == ReportKind::List ? QPageLayout::Landscape : QPageLayout::Portrait);
}

TReport::~TReport() = default;

PreviewButtons TReport::previewButtons() const {
    const PreviewButtons card =
        PreviewButton::Print | PreviewButton::Zoom | PreviewButton::FullScreen | PreviewButton::Close;
    if (kind_ == ReportKind::Card) return card;
    return card | PreviewButton::Navigation | PreviewButton::Pdf;
}

TReportPage* TReport::page(int number) { return number == 1 ? &page_ : nullptr; }

void TReport::claimName(const QString& name) {
    if (name.isEmpty() || findObject(name) || findBand(name))
        throw std::invalid_argument("report " + name_.toStdString() +
                                    ": object name empty or used twice: " + name.toStdString());
}

TReportObject* TReport::findObject(const QString& name) const {
    if (TReportObject* o = findIn(page_, name)) return o;
    for (const auto& b : page_.bands())
        if (TReportObject* o = findIn(*b, name)) return o;
    return nullptr;
}

TMemo* TReport::findMemo(const QString& name) const {
    TReportObject* o = findObject(name);
    return o && o->kind() == ObjectKind::Memo ? static_cast<TMemo*>(o) : nullptr;
}

TPicture* TReport::findPicture(const QString& name) const {
    TReportObject* o = findObject(name);
    return o && o->kind() == ObjectKind::Picture ? static_cast<TPicture*>(o) : nullptr;
}

TBand* TReport::findBand(const QString& name) const {
    for (const auto& b : page_.bands())
        if (sameName(b->name(), name)) return b.get();
    return nullptr;
}

void TReport::setDocumentInfo(const QString& title, const QString& subject) {
    title_ = title;
    subject_ = subject;
}

std::shared_ptr<const PreparedReport> TReport::prepare() {
    auto out = std::make_shared<PreparedReport>();
    out->name = name_;
    out->kind = kind_;
    out->orientation = page_.orientation();
    out->paperSize = page_.paperSize(page_.orientation());
    out->buttons = previewButtons();
    out->documentTitle = title_;
    out->documentSubject = subject_;

    for (auto& objects : Layout(page_, out->paperSize).run()) {
        PreparedPage page;
        for (auto& o : objects) {
            if (o->kind() == ObjectKind::Memo) {
                auto* m = static_cast<TMemo*>(o.get());
                if (m->expandsVariables()) {
                    QStringList lines = m->lines();
                    for (QString& l : lines) l = expand(l);
                    m->setLines(lines);
                }
            }
            page.objects.push_back(std::move(o));
        }
        out->pages.push_back(std::move(page));
    }
    prepared_ = out;
    return out;
}

std::shared_ptr<const PreparedReport> TReport::ensurePrepared() { return prepared_ ? prepared_ : prepare(); }

OutputResult TReport::print(QWidget* owner) {
    const OutputResult r = ReportOutput::print(owner, ensurePrepared());
    if (r == OutputResult::Failed && reportsErrors_) Msg::error(owner, QString::fromUtf8(Report::PrintFailed));
    return r;
}

OutputResult TReport::preview(QWidget* owner) { return ReportOutput::preview(owner, ensurePrepared()); }

OutputResult TReport::exportPdf(const QString& fileName, QWidget* owner) {
    const bool ok = PdfWriter::write(*ensurePrepared(), fileName);
    if (!ok && reportsErrors_) Msg::error(owner, QString::fromUtf8(Report::PdfFailed));
    return ok ? OutputResult::Done : OutputResult::Failed;
}

namespace Report {

const char* const PrintFailed =
    "Attenzione: la stampa non è andata a buon fine.\n\r\n\rAccertarsi che la stampante sia accesa e collegata.";
const char* const PdfFailed =
    "Attenzione: il sistema non permette di scrivere il file PDF.\n\r\n\rAccertarsi che il file non sia già aperto "
    "e di possedere i privilegi di scrittura nella cartella.";

QString numbered(const QString& prefix, int number) {
    return prefix + QString::number(number).rightJustified(2, QLatin1Char('0'));
}

QString printStamp() {
    const QDateTime now = Clock::now();
    return QStringLiteral("Stampa eseguita in data ") + Formats::date(now.date()) + QStringLiteral(" alle ore ") +
           Formats::longTime(now.time());
}

}  // namespace Report
