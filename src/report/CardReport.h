#pragma once
// The printed card of a record: a heading with the title (and the logo, on
// the cards that carry it), one row per value — a caption box on the left,
// the value box on the right — and the print stamp across the foot of the
// page. A card is its list of rows and its look; the builder lays both out
// into a report ready to prepare, print, preview or export.
//
//   auto rep = CardReport::build(look, "SCHEDA ANAGRAFICA CLIENTE", {{"Cognome e nome:", name}, ...});
//   rep->prepare();
//   rep->print(this);
#include <QColor>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

#include "report/Report.h"

struct CardRow {
    QString caption = {};
    QString value = {};        // trimmed when the card is laid out
    QString memo = {};         // the value box's name; empty names it "txtCampo" + the row's number ("txtCampo01")
    QString captionMemo = {};  // the caption box's name; empty names it "titCampo" + the row's number
};

// The look of one kind of text box of a card, always in Arial.
struct CardText {
    double pointSize = 10;
    bool bold = false;
    QColor color = Qt::black;
    QColor fill = Qt::transparent;
    bool framed = false;  // a thin black frame
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

// What differs from one card to another. Positions are report units inside
// the page's 10 mm margins.
struct CardLook {
    QString reportName;     // the template's name, "repScheda"
    QString documentTitle;  // of an exported PDF; empty keeps the report's own

    // Heading: the logo "imgLogo" at the top left when logoSize is not
    // empty; the title box from titleLeft to the right edge; an optional
    // line "linSepara01" under it.
    QSizeF logoSize;
    QString titleMemo = QStringLiteral("txtTitolo");
    double titleLeft = 0, titleTop = 0, titleHeight = 40;
    CardText title;
    double headingRule = -1;  // the line's top; negative: none

    // Rows, one every rowPitch from rowsTop: the caption box "titCampoNN"
    // and the value box, each rowHeight tall, the value box inset from the
    // top and the bottom of its row by valueInset.
    double rowsTop = 0, rowPitch = 0, rowHeight = 0;
    double captionLeft = 0, captionWidth = 0;
    double valueLeft = 0, valueRight = 0;  // valueRight: room left at the right edge
    double valueInset = 0;
    CardText caption, value;
    bool framedRows = false;   // each row in a frame "shpRigaNN"
    double columnRule = -1;    // left of the line "linVerticale" between captions and values; negative: none
    bool closingRule = false;  // the line "linSepara02" under the rows
    // A value too long for its box gets a smaller letter, down to 6 points,
    // rather than losing its end.
    bool shrinkValues = false;

    // The print stamp "txtCalce" across the bottom of the page.
    double footerHeight = 30;
    CardText footer;

    // Rows of one height every pitch from top, each framed, the captions in
    // the first captionColumn units and a rule between them and the values.
    void framedRowsOf(double captionColumn, double top, double pitch) {
        rowsTop = top;
        rowPitch = rowHeight = pitch;
        captionLeft = 4;
        captionWidth = captionColumn - 8;
        valueLeft = captionColumn + 6;
        valueRight = 4;
        valueInset = 2;
        framedRows = true;
        columnRule = captionColumn;
    }
};

namespace CardLooks {

// The office's sheet "repScheda" (client card, case sheet, document list):
// the logo at the top left, the title white on dark orange beside it, a rule,
// captions white on teal and values in black, one row every rowPitch, a rule
// under the rows and the stamp white on dark orange.
CardLook logoSheet(double rowPitch = Report::mm(10));

}  // namespace CardLooks

namespace CardReport {

// The card laid out, portrait, and filled: the title, the rows in order with
// their values trimmed, and the print stamp from the clock.
std::unique_ptr<TReport> build(const CardLook& look, const QString& title, const std::vector<CardRow>& rows);

}  // namespace CardReport
