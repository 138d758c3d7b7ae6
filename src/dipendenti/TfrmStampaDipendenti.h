#pragma once
// The print and the print preview of the employee card shown in the employee
// window: the card "Scheda dipendente" with the photo on screen and the
// twenty-five fields as they stand, saved or not.
#include <QImage>
#include <memory>

#include "archive/PhotoCardPrint.h"
#include "report/Report.h"

class TRecordWindow;
class TfrmDipendenti;

namespace EmployeeCard {

// The card of the values the window shows, with the picture.
std::unique_ptr<TReport> build(const TRecordWindow& window, const QImage& picture);

}  // namespace EmployeeCard

class TfrmStampaDipendenti : public TPhotoCardPrintWindow {
    Q_OBJECT
public:
    // Created for one use by the employee window, its owner; the one the
    // program creates at start-up is never shown.
    explicit TfrmStampaDipendenti(TfrmDipendenti* owner = nullptr);
};

class TfrmAnteprimaDipendenti : public TPhotoCardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaDipendenti(TfrmDipendenti* owner = nullptr);
};
