#pragma once
// A report template: one page layout of named objects, declared in code once
// per report and carried by the window that prints it. The window finds the
// objects by name, writes their texts, prepares the report and then prints
// it, previews it or exports it to PDF.
//
//   TReport rep("repScheda", ReportKind::Card);
//   TReportPage& page = *rep.page(1);
//   page.addMemo("txtTitolo", 0, 0, page.width(), 40).font("Arial", 16).align(Qt::AlignCenter);
//   ...
//   rep.findMemo("txtTitolo")->setText("SCHEDA ANAGRAFICA CLIENTE");
//   rep.prepare();
//   rep.print(this);
#include <QFlags>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>
#include <vector>

#include "report/ReportObjects.h"

class QWidget;
class TReport;
class PreparedReport;

// Objects held by a page or by a band.
class TObjectList {
public:
    TMemo& addMemo(const QString& name, double x, double y, double width, double height);
    TPicture& addPicture(const QString& name, double x, double y, double width, double height);
    TLine& addLine(const QString& name, double x, double y, double width, double height);
    TRectangle& addRectangle(const QString& name, double x, double y, double width, double height);

    const std::vector<std::unique_ptr<TReportObject>>& objects() const { return objects_; }

protected:
    explicit TObjectList(TReport* report) : report_(report) {}
    ~TObjectList() = default;
    TReport* report_;

private:
    template <class T>
    T& add(const QString& name, const QRectF& geometry);
    std::vector<std::unique_ptr<TReportObject>> objects_;
};

// Bands of a list: the title on the first page, the body bands one after the
// other (split across pages when taller than the room left), the footer at
// the bottom of every page.
enum class BandKind { Title, MasterData, PageFooter };

class TBand : public TObjectList {
public:
    TBand(TReport* report, const QString& name, BandKind kind, double height)
        : TObjectList(report), name_(name), kind_(kind), height_(height) {}
    const QString& name() const { return name_; }
    BandKind kind() const { return kind_; }
    double height() const { return height_; }
    void setHeight(double height) { height_ = height; }

private:
    QString name_;
    BandKind kind_;
    double height_;
};

// The page of a template: A4 (paper size 9), its orientation and margins, the
// objects placed on it directly (on every page of the report) and its bands.
class TReportPage : public TObjectList {
public:
    static constexpr int PaperA4 = 9;

    explicit TReportPage(TReport* report) : TObjectList(report) {}

    int paperSize() const { return PaperA4; }
    QPageLayout::Orientation orientation() const { return orientation_; }
    void setOrientation(QPageLayout::Orientation orientation) { orientation_ = orientation; }
    // Millimetres.
    const QMarginsF& margins() const { return margins_; }
    void setMargins(double left, double top, double right, double bottom);
    void setMargins(double all) { setMargins(all, all, all, all); }

    // The paper and the printable area inside the margins, in report units.
    QSizeF paperSize(QPageLayout::Orientation orientation) const;
    double width() const;  // of the printable area
    double height() const;

    TBand& addBand(const QString& name, BandKind kind, double height);
    const std::vector<std::unique_ptr<TBand>>& bands() const { return bands_; }

private:
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QMarginsF margins_{10, 10, 10, 10};
    std::vector<std::unique_ptr<TBand>> bands_;
};

// Cards show a few buttons in the preview; lists show them all.
enum class PreviewButton {
    Navigation = 0x01,
    Zoom = 0x02,
    FullScreen = 0x04,
    Print = 0x08,
    Pdf = 0x10,
    Close = 0x20,
};
Q_DECLARE_FLAGS(PreviewButtons, PreviewButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(PreviewButtons)

enum class ReportKind { Card, List };

// How a print, a preview or an export ended.
enum class OutputResult { Done, Cancelled, Failed };

class TReport {
public:
    // Cards are portrait and lists landscape until a window says otherwise;
    // both have 10 mm margins.
    TReport(const QString& name, ReportKind kind);
    ~TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    const QString& name() const { return name_; }
    ReportKind kind() const { return kind_; }
    PreviewButtons previewButtons() const;

    // The template's page: number 1, the only one; nullptr for any other.
    TReportPage* page(int number);

    // Lookup by name, whatever the case of the letters; nullptr when the
    // template has no object of that name and kind.
    TReportObject* findObject(const QString& name) const;
    TMemo* findMemo(const QString& name) const;
    TPicture* findPicture(const QString& name) const;
    TBand* findBand(const QString& name) const;

    // Title and subject of the PDF files written from this report.
    void setDocumentInfo(const QString& title, const QString& subject);
    const QString& documentTitle() const { return title_; }
    const QString& documentSubject() const { return subject_; }

    // Whether a failed print or export tells the user itself (the default),
    // or leaves it to the caller, who has a message of its own.
    void setReportsErrors(bool on) { reportsErrors_ = on; }

    // Lays the filled template out into pages, with the texts as they are now.
    std::shared_ptr<const PreparedReport> prepare();
    // The last prepared result (nullptr before the first prepare).
    std::shared_ptr<const PreparedReport> prepared() const { return prepared_; }

    // Print, preview and export use the last prepared result, preparing
    // first if the report never was.
    OutputResult print(QWidget* owner);    // print dialog, then the printer
    OutputResult preview(QWidget* owner);  // the modal preview window
    // Writes the PDF without a question, replacing an earlier file.
    OutputResult exportPdf(const QString& fileName, QWidget* owner = nullptr);

private:
    friend class TObjectList;
    friend class TReportPage;
    void claimName(const QString& name);
    std::shared_ptr<const PreparedReport> ensurePrepared();

    QString name_;
    ReportKind kind_;
    TReportPage page_;
    QString title_ = QStringLiteral("Scheda informativa");
    QString subject_ = QStringLiteral("Scheda informativa");
    bool reportsErrors_ = true;
    std::shared_ptr<const PreparedReport> prepared_;
};

namespace Report {

// The footer of every printed card: "Stampa eseguita in data 05/03/2025 alle
// ore 09:05:07", from the clock.
QString printStamp();

// "titCampo" and 3 give "titCampo03": the rows of a card.
QString numbered(const QString& prefix, int number);

// Message shown by the report itself when a print or an export fails.
extern const char* const PrintFailed;
extern const char* const PdfFailed;

}  // namespace Report
