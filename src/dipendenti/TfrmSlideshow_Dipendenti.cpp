#include "dipendenti/TfrmSlideshow_Dipendenti.h"

#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmDipendenti.h"

TfrmSlideshow_Dipendenti::TfrmSlideshow_Dipendenti(QWidget* owner)
    : TSlideshow({QStringLiteral("frmSlideshow_Dipendenti"), QStringLiteral(" Slide show foto dipendenti"),
                  EmployeeFields::kArchive, EmployeeFields::get().layout().size(), TfrmDipendenti::photos()},
                 owner) {}
