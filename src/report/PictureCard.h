#pragma once
// The printed card of a record with a picture (an employee's photo, a book's
// cover): a coloured title bar across the page, the picture under it, centred
// in a box across the page with its proportions kept, then rows of boxes,
// each a coloured caption bar over a framed one-line value. A card is its
// look, its title, its picture and its rows of boxes; the builder lays them
// out on one portrait page ready to prepare, print or preview.
//
//   auto rep = PictureCard::build(look, name, photo, {{{"SESSO", "txtSesso", "M"}, ...}, ...});
#include <QColor>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "report/Report.h"

struct PictureCardBox {
    QString caption;  // printed in upper case as given
    QString memo;     // the value box's name ("txtSesso")
    QString value;    // trimmed when the card is laid out
};
using PictureCardRow = std::vector<PictureCardBox>;  // boxes of equal width across the page

struct PictureCardLook {
    QString reportName = QStringLiteral("repDocumento");
    QString titleMemo;                  // the title box's name ("txt" and its field)
    double pictureHeight = 0;           // report units (Report::mm(140) for about 14 cm)
    QColor bar = QColor(65, 105, 225);  // royal blue: the title bar and the captions
};

namespace PictureCard {

// The card laid out and filled. A value too long for its box gets a smaller
// letter, down to 6 points, rather than losing its end.
std::unique_ptr<TReport> build(const PictureCardLook& look, const QString& title, const QImage& picture,
                               const std::vector<PictureCardRow>& rows);

}  // namespace PictureCard
