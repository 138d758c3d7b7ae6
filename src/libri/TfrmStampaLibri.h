#pragma once
// The print and the print preview of the book card shown in the book window:
// the card "Scheda Libro" with the cover on screen and the twenty-two fields
// as they stand, saved or not.
#include <QImage>
#include <memory>

#include "archive/PhotoCardPrint.h"
#include "report/Report.h"

class TRecordWindow;
class TfrmLibri;

namespace BookCard {

// The card of the values the window shows, with the cover.
std::unique_ptr<TReport> build(const TRecordWindow& window, const QImage& cover);

}  // namespace BookCard

class TfrmStampaLibri : public TPhotoCardPrintWindow {
    Q_OBJECT
public:
    // Created for one use by the book window, its owner; the one the program
    // creates at start-up is never shown.
    explicit TfrmStampaLibri(TfrmLibri* owner = nullptr);
};

class TfrmAnteprimaLibri : public TPhotoCardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaLibri(TfrmLibri* owner = nullptr);
};
