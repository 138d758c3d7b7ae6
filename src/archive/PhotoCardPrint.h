#pragma once
// The print and the print preview of a card with a photo (an employee, a
// book): the card laid out from the values its window shows, with the
// picture its photo box shows when the print window opens (the store's
// placeholder when there is none), saved or not. A print or preview that
// fails is told with the warning these windows share, which suggests a
// smaller photo.
#include <QImage>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

#include "archive/CardField.h"
#include "report/CardPrintWindow.h"
#include "report/Report.h"

class PhotoStore;
class TPhotoBox;
class TRecordWindow;

class TPhotoCardPrintWindow : public TCardPrintWindow {
    Q_OBJECT
public:
    // The card of a window's values with the picture.
    using Layout = std::function<std::unique_ptr<TReport>(const TRecordWindow& window, const QImage& picture)>;

    struct Card {
        TRecordWindow* window;  // null for the window built at start-up, never shown
        const TPhotoBox* box;   // the window's photo box
        const PhotoStore* store;
        QSize boxSize;  // the placeholder's size when there is no box
        Layout layout;
    };

    // output decides the action button ("Stampa" or "Mostra anteprima"), its
    // picture and the warning of a failure.
    TPhotoCardPrintWindow(Output output, const QString& objectName, const QString& caption, const QString& prompt,
                          const Card& card);

    // The picture printed: what the box shows; the placeholder at the box's
    // size when there is no box or no picture.
    static QImage pictureOf(const TPhotoBox* box, const PhotoStore& store, QSize boxSize);
};

namespace PhotoCard {

// The printed card: titled with the text of a field, the picture
// pictureHeight high (report units), then rows of boxes, each a field under
// its printed caption in a box named "txt" and the field.
struct Sheet {
    CardField title;
    double pictureHeight = 0;
    QString documentTitle;  // the document a PDF printer writes
    std::vector<std::vector<CardField>> rows;
};

// The card of the values a window shows, with the picture.
std::unique_ptr<TReport> build(const TRecordWindow& window, const QImage& picture, const Sheet& sheet);

}  // namespace PhotoCard
