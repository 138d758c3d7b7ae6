#include "app/GuidePdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "app/HelpTopics.h"
#include "app/Publisher.h"

namespace {

QString section(const QString& title, const QStringList& paragraphs, bool breakBefore) {
    QString out =
        QStringLiteral("<h1%1>").arg(breakBefore ? QStringLiteral(" style=\"page-break-before: always\"") : QString()) +
        title.toHtmlEscaped() + QStringLiteral("</h1>\n");
    for (const QString& p : paragraphs) out += QStringLiteral("<p>") + p.toHtmlEscaped() + QStringLiteral("</p>\n");
    return out;
}

}  // namespace

namespace GuidePdf {

QString html() {
    QString h = QStringLiteral(
        "<html><head><style>"
        "h1 { color: #1f4e6e; font-size: 20pt; margin-top: 18pt; margin-bottom: 10pt; }"
        "p { font-size: 11.5pt; line-height: 140%; margin-bottom: 8pt; text-align: justify; }"
        ".cover { font-size: 40pt; font-weight: bold; color: #2f6f9f; }"
        ".subtitle { font-size: 18pt; color: #1f4e6e; }"
        ".publisher { font-size: 12pt; color: #555555; }"
        "</style></head><body>");
    h += QStringLiteral(
        "<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p>"
        "<p class=\"cover\" align=\"center\">Plenaro</p>"
        "<p class=\"subtitle\" align=\"center\">Guida all'utilizzo del software</p>"
        "<p>&nbsp;</p>");
    h += QStringLiteral("<p class=\"publisher\" align=\"center\">") + Publisher::notice().toHtmlEscaped() +
         QStringLiteral("<br>") + Publisher::webSiteShown().toHtmlEscaped() + QStringLiteral(" &middot; ") +
         Publisher::contact().toHtmlEscaped() + QStringLiteral("</p>");

    h += section(HelpTopics::generalTitle(), HelpTopics::introduction(), true);
    for (const HelpTopic& t : HelpTopics::guides()) h += section(t.title, t.paragraphs, true);
    for (const HelpTopic& t : HelpTopics::others()) h += section(t.title, t.paragraphs, true);
    h += section(QStringLiteral("Copie di sicurezza, password e rete"), HelpTopics::closing(), true);
    h += QStringLiteral("</body></html>");
    return h;
}

bool write(const QString& path) {
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();

    QPdfWriter pdf(path);
    pdf.setTitle(QStringLiteral("Plenaro - Guida all'utilizzo del software"));
    pdf.setCreator(Publisher::name());
    // The document adds its own 2 cm margins and the page numbers.
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    pdf.setResolution(300);

    QTextDocument doc;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(11.5);
    doc.setDefaultFont(f);
    doc.setHtml(html());
    doc.print(&pdf);
    return true;
}

}  // namespace GuidePdf
