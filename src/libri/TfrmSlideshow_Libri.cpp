#include "libri/TfrmSlideshow_Libri.h"

#include "libri/BookFields.h"
#include "libri/TfrmLibri.h"

TfrmSlideshow_Libri::TfrmSlideshow_Libri(QWidget* owner)
    : TSlideshow({QStringLiteral("frmSlideshow_Libri"), QStringLiteral(" Slide Show Schedario Libri"),
                  BookFields::kArchive, BookFields::get().layout().size(), TfrmLibri::photos()},
                 owner) {}
