#include "appuntamenti/AppointmentExports.h"

#include "appuntamenti/TfrmExpGiornaliere.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "appuntamenti/TfrmExpMensili.h"
#include "appuntamenti/TfrmExpScadenzario.h"

namespace AppointmentExports {

void openArchive(QWidget* owner) {
    TfrmExpScadenzario w(owner);
    w.showModal();
}

void openImminent(QWidget* owner) {
    TfrmExpImminenti w(owner);
    w.showModal();
}

void openDay(QWidget* owner, const QDate& day) {
    TfrmExpGiornaliere w(owner, day);
    w.showModal();
}

void openMonth(QWidget* owner, const QDate& day) {
    TfrmExpMensili w(owner, day);
    w.showModal();
}

}  // namespace AppointmentExports
