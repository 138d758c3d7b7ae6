#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

#include "report/ListReport.h"
#include "report/PdfWriter.h"
#include "report/PreparedReport.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "report/TfrmAnteprima.h"
#include "support/Seams.h"
#include "ui/PictureButton.h"

namespace {

const QColor DarkOrange(0xff, 0x8c, 0x00);
const QColor Teal(0x00, 0x80, 0x80);

// A small card laid out as the program's cards are: logo and title, a few
// label and value rows at a 10 mm pitch between two lines, the stamp at the
// bottom.
std::unique_ptr<TReport> exampleCard(int rows = 3) {
    auto rep = std::make_unique<TReport>("repEsempio", ReportKind::Card);
    TReportPage& page = *rep->page(1);
    const double w = page.width();
    page.addPicture("imgLogo", 0, 0, 170, 68).load(":/img/report/logo.svg");
    page.addMemo("txtTitolo", 180, 0, w - 180, 68)
        .font("Arial", 16)
        .textColor(Qt::white)
        .fill(DarkOrange)
        .align(Qt::AlignCenter);
    page.addLine("linSepara01", 0, 80, w, 0);
    for (int i = 1; i <= rows; ++i) {
        const double y = 92 + (i - 1) * Report::mm(10);
        page.addMemo(Report::numbered("titCampo", i), 0, y, 190, 30)
            .font("Arial", 9)
            .textColor(Qt::white)
            .fill(Teal)
            .align(Qt::AlignVCenter);
        page.addMemo(Report::numbered("txtCampo", i), 200, y, w - 200, 30)
            .font("Arial", 10)
            .align(Qt::AlignVCenter)
            .frame(QColor(0xb0, 0xb0, 0xb0), 0.5);
    }
    page.addLine("linSepara02", 0, 92 + rows * Report::mm(10), w, 0);
    page.addMemo("txtCalce", 0, page.height() - 30, w, 30)
        .font("Arial", 10)
        .textColor(Qt::white)
        .fill(DarkOrange)
        .align(Qt::AlignCenter);
    return rep;
}

void fillCard(TReport& rep, const QString& name) {
    rep.page(1)->setOrientation(QPageLayout::Portrait);
    rep.findMemo("txtTitolo")->setText("SCHEDA ANAGRAFICA CLIENTE");
    rep.findMemo("titCampo01")->setText("Cognome e nome:");
    rep.findMemo("txtCampo01")->setText(name);
    rep.findMemo("titCampo02")->setText("Data di nascita:");
    rep.findMemo("txtCampo02")->setText("12/04/1980");
    rep.findMemo("titCampo03")->setText("Note:");
    rep.findMemo("txtCampo03")->setText("[DATE] resta com'è");
    rep.findMemo("txtCalce")->setText(Report::printStamp());
}

QStringList entries(int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("%1  ROSSI MARIO %2").arg(i, 4, 10, QLatin1Char('0')).arg(QString(60, QLatin1Char('.')));
    return out;
}

// The document information as pdfinfo reads it from the file.
QMap<QString, QString> pdfInfo(const QString& file) {
    QProcess p;
    p.start("pdfinfo", {file});
    EXPECT_TRUE(p.waitForFinished(10000)) << "pdfinfo is needed (poppler-utils, scripts/deps)";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QMap<QString, QString> info;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) info[line.left(colon)] = line.mid(colon + 1).trimmed();
    }
    return info;
}

// Records what would have gone to the printer or the preview.
class ReportTest : public SeamsTest {
protected:
    ReportTest() {
        ReportOutput::setHandler([this](const ReportOutput::Request& r) {
            requests.push_back(r);
            return result;
        });
    }
    ~ReportTest() override { ReportOutput::resetHandler(); }

    std::vector<ReportOutput::Request> requests;
    OutputResult result = OutputResult::Done;
};

}  // namespace

TEST_F(ReportTest, PrintStampTellsDateAndTimeOfThePrint) {
    struct Case {
        QDateTime at;
        const char* stamp;
    };
    const Case cases[] = {
        {QDateTime(QDate(2025, 3, 5), QTime(9, 5, 7)), "Stampa eseguita in data 05/03/2025 alle ore 09:05:07"},
        {QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)), "Stampa eseguita in data 31/12/2024 alle ore 23:59:59"},
    };
    for (const Case& c : cases) {
        seams.setNow(c.at);
        EXPECT_EQ(Report::printStamp(), QString::fromUtf8(c.stamp));
    }
}

TEST_F(ReportTest, ObjectsAreFoundByNameWhateverTheCase) {
    auto list = ListReport::create();
    TMemo* title = list->findMemo("txtTitolo");
    ASSERT_NE(title, nullptr);
    for (const char* name : {"TXTTITOLO", "txttitolo", "TxtTitolo"}) EXPECT_EQ(list->findMemo(name), title) << name;
    EXPECT_NE(list->findBand("masterdata"), nullptr);
    EXPECT_EQ(list->findPicture("txtTitolo"), nullptr);  // a memo is no picture
    EXPECT_EQ(list->findMemo("MasterData"), nullptr);    // nor is a band
    EXPECT_EQ(list->findMemo("txtNessuno"), nullptr);
    EXPECT_EQ(list->page(2), nullptr);
    auto card = exampleCard();
    EXPECT_NE(card->findPicture("IMGLOGO"), nullptr);
    // Two objects whose names differ only in case could never be told apart.
    EXPECT_THROW(card->page(1)->addMemo("TXTCAMPO01", 0, 0, 10, 10), std::invalid_argument);
}

TEST_F(ReportTest, MemoTextIsSplitIntoLines) {
    struct Case {
        const char* text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"una riga", {"una riga"}},
        {"prima\r\nseconda\nterza", {"prima", "seconda", "terza"}},
        {"fine riga\r\n", {"fine riga"}},
        {"a\n\nb", {"a", "", "b"}},
    };
    TMemo m("txtNote", QRectF(0, 0, 100, 50));
    for (const Case& c : cases) {
        m.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(m.lines(), c.lines) << c.text;
    }
    m.clearLines();
    m.addLine("uno");
    m.addLine("due");
    EXPECT_EQ(m.text(), QStringLiteral("uno\ndue"));
}

TEST_F(ReportTest, WordWrapKeepsEveryWordInsideTheBox) {
    TMemo m("txtNote", QRectF(0, 0, 120, 200));
    m.font("Arial", 10).setText("Cliente da richiamare dopo le ferie per il rinnovo del contratto");
    const QStringList wrapped = m.printedLines();
    EXPECT_GT(wrapped.size(), 2);
    EXPECT_EQ(wrapped.join(' '), m.text());  // nothing lost, nothing added
    m.wordWrap(false);
    EXPECT_EQ(m.printedLines(), m.lines());
}

TEST_F(ReportTest, PictureKeepsItsProportionsCentredInItsBox) {
    struct Case {
        QSize image;
        QRectF box;
        QRectF expected;
    };
    const Case cases[] = {
        {{200, 100}, {10, 10, 100, 100}, {10, 35, 100, 50}},  // wide: bands above and below
        {{50, 100}, {0, 0, 100, 100}, {25, 0, 50, 100}},      // tall: bands left and right
        {{30, 30}, {0, 0, 60, 60}, {0, 0, 60, 60}},           // small pictures grow to fit
    };
    for (const Case& c : cases) {
        TPicture p("imgLogo", c.box);
        QImage img(c.image, QImage::Format_RGB32);
        img.fill(Qt::red);
        p.setImage(img);
        EXPECT_EQ(p.pictureRect(), c.expected);
    }
    TPicture logo("imgLogo", QRectF(0, 0, 300, 300));
    ASSERT_TRUE(logo.load(":/img/report/logo.svg"));
    EXPECT_TRUE(logo.isVector());  // drawn, not a small raster, at any resolution
    EXPECT_NEAR(logo.pictureRect().height(), 120, 0.01);
    EXPECT_FALSE(logo.load(":/img/report/nessuno.png"));
}

TEST_F(ReportTest, CardIsPreparedWithTheValuesAsFilled) {
    seams.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 5, 7)));
    auto card = exampleCard();
    fillCard(*card, "ROSSI MARIO");
    const auto prepared = card->prepare();
    ASSERT_EQ(prepared->pageCount(), 1);
    const PreparedPage& page = prepared->pages[0];
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"txtTitolo", "SCHEDA ANAGRAFICA CLIENTE"},
        {"titCampo01", "Cognome e nome:"},
        {"txtCampo01", "ROSSI MARIO"},
        {"txtCampo02", "12/04/1980"},
        {"txtCampo03", "[DATE] resta com'è"},  // a typed value is never taken for a variable
        {"txtCalce", "Stampa eseguita in data 05/03/2025 alle ore 09:05:07"},
    };
    for (const Case& c : cases) {
        const TMemo* m = page.memo(c.name);
        ASSERT_NE(m, nullptr) << c.name;
        EXPECT_EQ(m->text(), QString::fromUtf8(c.text)) << c.name;
    }
    // On the paper inside the 10 mm margins: the title right of the logo,
    // the stamp at the bottom edge of the printable area.
    const double margin = Report::mm(10);
    EXPECT_EQ(page.find("imgLogo")->geometry().topLeft(), QPointF(margin, margin));
    EXPECT_NEAR(page.memo("txtCalce")->geometry().bottom(), prepared->paperSize.height() - margin, 1e-9);
    EXPECT_NEAR(prepared->paperSize.width(), Report::mm(210), 1e-9);
    // A later change of the template leaves the prepared pages as they were.
    card->findMemo("txtCampo01")->setText("BIANCHI ANNA");
    EXPECT_EQ(page.memo("txtCampo01")->text(), QStringLiteral("ROSSI MARIO"));
}

TEST_F(ReportTest, ListFillSizesTheBodyToItsLines) {
    const QStringList lines = entries(200);
    auto list = ListReport::prepared("Riepilogo clienti in archivio", lines);
    const TMemo* body = list->findMemo("txtRiepilogo");
    EXPECT_EQ(body->lines(), lines);
    EXPECT_DOUBLE_EQ(body->height(), 200 * 12.822);
    EXPECT_DOUBLE_EQ(list->findBand("MasterData")->height(), 200 * 12.822 + 10);
    EXPECT_EQ(list->prepared()->orientation, QPageLayout::Landscape);
    EXPECT_NEAR(list->prepared()->paperSize.width(), Report::mm(297), 1e-9);
    // Filled again, the template holds only the new lines.
    ListReport::fill(*list, "Riepilogo chiamate", entries(3));
    EXPECT_EQ(list->findMemo("txtRiepilogo")->lines(), entries(3));
    EXPECT_DOUBLE_EQ(list->findBand("MasterData")->height(), 3 * 12.822 + 10);
}

TEST_F(ReportTest, LongListFlowsOverPagesWithoutLosingOrCuttingALine) {
    seams.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 5, 7)));
    for (int count : {0, 1, 60, 200, 1000}) {
        SCOPED_TRACE(count);
        const QStringList lines = entries(count);
        auto list = ListReport::prepared("Riepilogo clienti in archivio", lines);
        const auto prepared = list->prepared();
        ASSERT_GE(prepared->pageCount(), 1);
        if (count == 200) {
            EXPECT_GE(prepared->pageCount(), 3);
        }

        QStringList printed;
        for (int i = 0; i < prepared->pageCount(); ++i) {
            SCOPED_TRACE(i + 1);
            const PreparedPage& page = prepared->pages[size_t(i)];
            EXPECT_EQ(page.find("txtTitolo") != nullptr, i == 0) << "the title is on the first page only";
            const TMemo* footer = page.memo("txtPagina");
            ASSERT_NE(footer, nullptr);
            EXPECT_EQ(footer->text(), QStringLiteral("Stampa eseguita in data 05/03/2025"));
            const TMemo* body = page.memo("txtRiepilogo");
            ASSERT_NE(body, nullptr);
            // Every line whole inside its piece, every piece above the footer.
            EXPECT_GE(body->height() + 1e-6, body->lines().size() * ListReport::LineHeight);
            EXPECT_LE(body->geometry().bottom(), footer->geometry().top());
            if (i + 1 < prepared->pageCount()) {
                EXPECT_LT(footer->geometry().top() - body->geometry().bottom(), 2 * ListReport::LineHeight)
                    << "a page is left half empty";
            }
            printed += body->lines();
        }
        EXPECT_EQ(printed, lines);
    }
}

TEST_F(ReportTest, PdfIsWrittenWithTitleAndSubjectAndReplacedWithoutAsking) {
    const QString file = seams.file("Contatto.pdf");
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("un file precedente");
    }
    auto card = exampleCard();
    fillCard(*card, "ROSSI MARIO");
    card->prepare();
    ASSERT_EQ(card->exportPdf(file), OutputResult::Done);
    const QByteArray first = fileBytes(file);
    ASSERT_TRUE(first.startsWith("%PDF-"));
    QMap<QString, QString> info = pdfInfo(file);
    EXPECT_EQ(info["Title"], QStringLiteral("Scheda informativa"));
    EXPECT_EQ(info["Subject"], QStringLiteral("Scheda informativa"));
    EXPECT_EQ(info["Pages"], QStringLiteral("1"));

    fillCard(*card, "VERDI GIUSEPPE");
    card->prepare();
    ASSERT_EQ(card->exportPdf(file), OutputResult::Done);
    EXPECT_NE(fileBytes(file), first);
    info = pdfInfo(file);
    EXPECT_EQ(info["Subject"], QStringLiteral("Scheda informativa"));
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_TRUE(seams.modals.empty());
    EXPECT_TRUE(seams.fileRequests.empty());
    EXPECT_TRUE(requests.empty());

    // A long list gives as many PDF pages as it was prepared with.
    auto list = ListReport::prepared("Riepilogo clienti in archivio", entries(200));
    ASSERT_EQ(list->exportPdf(seams.file("Lista.pdf")), OutputResult::Done);
    EXPECT_EQ(pdfInfo(seams.file("Lista.pdf"))["Pages"], QString::number(list->prepared()->pageCount()));
}

TEST_F(ReportTest, PdfThatCannotBeWrittenIsReportedAndLeavesNoFile) {
    auto card = exampleCard();
    fillCard(*card, "ROSSI MARIO");
    const QString file = seams.file("manca/Contatto.pdf");
    EXPECT_EQ(card->exportPdf(file), OutputResult::Failed);
    EXPECT_FALSE(QFile::exists(file));
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(seams.messages[0].text, QString::fromUtf8(Report::PdfFailed));
    // A window with a message of its own keeps the report quiet.
    card->setReportsErrors(false);
    EXPECT_EQ(card->exportPdf(file), OutputResult::Failed);
    EXPECT_EQ(seams.messages.size(), 1u);
}

TEST_F(ReportTest, SubjectIsAddedToTheDocumentInformation) {
    // Whatever the trailer looks like, the update points back at it.
    const QByteArray pdf =
        "%PDF-1.4\n...\ntrailer\n<<\n/Size 18 \n/Info 1 0 R\n/Root 2 0 R\n>>\nstartxref\n6877 \n%%EOF";
    const QByteArray out = PdfWriter::withInfo(pdf, "Scheda informativa", "Oggetto è", "Plenaro");
    ASSERT_TRUE(out.startsWith(pdf));
    const QByteArray added = out.mid(pdf.size());
    EXPECT_TRUE(added.contains("18 0 obj"));
    EXPECT_TRUE(added.contains("/Subject <FEFF004F00670067006500740074006F002000E8>"));
    EXPECT_TRUE(added.contains("/Size 19\n/Root 2 0 R\n/Info 18 0 R\n/Prev 6877\n"));
    const qsizetype xrefAt = added.lastIndexOf("startxref\n") + 10;
    const qsizetype xref = added.mid(xrefAt).split('\n').first().toLongLong();
    EXPECT_EQ(out.mid(xref, 4), QByteArray("xref"));
    const qsizetype objectAt = out.mid(xref).split('\n')[2].left(10).toLongLong();
    EXPECT_EQ(out.mid(objectAt, 8), QByteArray("18 0 obj"));
    EXPECT_TRUE(PdfWriter::withInfo("non un PDF", "t", "s", "c").isEmpty());
}

TEST_F(ReportTest, PrintAndPreviewHandTheirPagesAndButtonsToTheOutput) {
    auto card = exampleCard();
    fillCard(*card, "ROSSI MARIO");
    card->prepare();
    EXPECT_EQ(card->preview(nullptr), OutputResult::Done);
    EXPECT_EQ(card->print(nullptr), OutputResult::Done);
    EXPECT_EQ(ListReport::printList(nullptr, "Riepilogo clienti in archivio", entries(200)), OutputResult::Done);
    auto list = ListReport::prepared("Riepilogo chiamate", entries(5));
    list->preview(nullptr);

    ASSERT_EQ(requests.size(), 4u);
    const PreviewButtons cardButtons =
        PreviewButton::Print | PreviewButton::Zoom | PreviewButton::FullScreen | PreviewButton::Close;
    EXPECT_EQ(requests[0].action, ReportOutput::Action::Preview);
    EXPECT_EQ(requests[0].report->buttons, cardButtons);
    EXPECT_EQ(requests[1].action, ReportOutput::Action::Print);
    EXPECT_EQ(requests[1].report->pages[0].memo("txtCampo01")->text(), QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(requests[2].action, ReportOutput::Action::Print);
    EXPECT_GE(requests[2].report->pageCount(), 3);
    EXPECT_EQ(requests[3].action, ReportOutput::Action::Preview);
    EXPECT_EQ(requests[3].report->buttons, cardButtons | PreviewButton::Navigation | PreviewButton::Pdf);
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(ReportTest, FailedPrintIsReportedCancelledPrintIsNot) {
    auto card = exampleCard();
    result = OutputResult::Cancelled;
    EXPECT_EQ(card->print(nullptr), OutputResult::Cancelled);
    EXPECT_TRUE(seams.messages.empty());
    result = OutputResult::Failed;
    EXPECT_EQ(card->print(nullptr), OutputResult::Failed);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.messages[0].text, QString::fromUtf8(Report::PrintFailed));
}

TEST_F(ReportTest, PrinterReceivesThePagesOfItsRange) {
    auto list = ListReport::prepared("Riepilogo clienti in archivio", entries(200));
    const int pages = list->prepared()->pageCount();
    struct Case {
        int from, to, expected;
    };
    const Case cases[] = {{0, 0, pages}, {2, 3, 2}, {pages, pages + 5, 1}};
    for (const Case& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(seams.file("stampa.pdf"));
        printer.setFullPage(true);
        printer.setPageLayout(list->prepared()->pageLayout());
        if (c.from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(c.from, c.to);
        }
        ASSERT_TRUE(ReportOutput::printOn(printer, *list->prepared()));
        EXPECT_EQ(pdfInfo(seams.file("stampa.pdf"))["Pages"], QString::number(c.expected)) << c.from;
    }
}

// The real preview window, shown through the modal seam.
class PreviewTest : public SeamsTest {
protected:
    // The real preview window, driven through the modal seam.
    PreviewTest() { ReportOutput::resetHandler(); }

    // The picture buttons the window shows, in order.
    QStringList buttonsOf(TReport& report, const std::function<void(TfrmAnteprima*)>& drive = {}) {
        QStringList names;
        seams.onModal([&](QDialog* w) {
            auto* preview = qobject_cast<TfrmAnteprima*>(w);
            ASSERT_NE(preview, nullptr);
            EXPECT_EQ(preview->windowTitle(), QStringLiteral("Anteprima di stampa"));
            for (TPictureButton* b : preview->findChildren<TPictureButton*>()) {
                EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
                EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();
                if (b->isVisible()) names << b->objectName();
            }
            if (drive) drive(preview);
        });
        report.preview(nullptr);
        EXPECT_EQ(seams.modals.size(), 1u);
        return names;
    }
};

TEST_F(PreviewTest, CardPreviewOffersOnlyPrintZoomFullScreenAndClose) {
    auto card = exampleCard();
    fillCard(*card, "ROSSI MARIO");
    const QStringList names = buttonsOf(*card, [](TfrmAnteprima* w) {
        child<TPictureButton>(w, "btnSchermoIntero")->click();
        EXPECT_TRUE(w->isFullScreen());
        QTest::keyClick(w, Qt::Key_Escape);  // leaves full screen first
        EXPECT_FALSE(w->isFullScreen());
        EXPECT_TRUE(w->isVisible());
    });
    EXPECT_EQ(names, QStringList({"btnZoomMeno", "btnZoomPiu", "btnSchermoIntero", "btnStampa", "btnChiudi"}));
}

TEST_F(PreviewTest, ListPreviewOffersTheFullSetAndMovesThroughThePages) {
    auto list = ListReport::prepared("Riepilogo clienti in archivio", entries(200));
    const int pages = list->prepared()->pageCount();
    seams.pickFile(seams.file("Lista"));
    const QStringList names = buttonsOf(*list, [&](TfrmAnteprima* w) {
        auto* label = child<QLabel>(w, "lblPagina");
        EXPECT_EQ(label->text(), QStringLiteral("Pagina 1 di %1").arg(pages));
        // Page Down scrolls down the page, then turns it; Page Up turns back.
        auto* scroll = child<QScrollArea>(w, "scrPagina");
        for (int i = 0; i < 20 && w->currentPage() == 0; ++i) QTest::keyClick(scroll, Qt::Key_PageDown);
        EXPECT_EQ(label->text(), QStringLiteral("Pagina 2 di %1").arg(pages));
        QTest::keyClick(scroll, Qt::Key_PageUp);
        EXPECT_EQ(w->currentPage(), 0);
        child<TPictureButton>(w, "btnSuccessiva")->click();
        EXPECT_EQ(label->text(), QStringLiteral("Pagina 2 di %1").arg(pages));
        child<TPictureButton>(w, "btnUltima")->click();
        child<TPictureButton>(w, "btnSuccessiva")->click();  // stays on the last page
        EXPECT_EQ(w->currentPage(), pages - 1);
        child<TPictureButton>(w, "btnPrima")->click();
        EXPECT_EQ(w->currentPage(), 0);
        child<TPictureButton>(w, "btnZoomPiu")->click();
        EXPECT_EQ(child<QLabel>(w, "lblZoom")->text(), QStringLiteral("125%"));
        child<TPictureButton>(w, "btnPdf")->click();  // the chosen name gets its ".pdf"
    });
    EXPECT_EQ(names, QStringList({"btnPrima", "btnPrecedente", "btnSuccessiva", "btnUltima", "btnZoomMeno",
                                  "btnZoomPiu", "btnSchermoIntero", "btnStampa", "btnPdf", "btnChiudi"}));
    const auto info = pdfInfo(seams.file("Lista.pdf"));
    EXPECT_EQ(info["Pages"], QString::number(pages));
    EXPECT_EQ(info["Title"], QStringLiteral("Riepilogo clienti in archivio"));
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
}
