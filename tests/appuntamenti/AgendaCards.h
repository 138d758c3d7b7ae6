#pragma once
// Appointment cards for the tests, as the card window saves them.
#include <initializer_list>
#include <vector>

#include "appuntamenti/AppointmentFields.h"
#include "archive/Layouts.h"
#include "support/Seams.h"

// A card as the card window saves it. The seams' clock says 5 March 2025.
struct Card {
    const char* date;
    const char* time = "10:30";
    const char* notice = "0";
    const char* done = "No";
    const char* client = "Rossi Mario";
    const char* cel = "3331234567";
    const char* services = "Consulenza fiscale";
    const char* amount = "50,00";
};

inline Record card(const Card& c) {
    Record r(AppointmentFields::get().layout());
    const QString time = QString::fromUtf8(c.time);
    r.set("Data", QString::fromUtf8(c.date));
    r.set("OreApp", time.left(2));
    r.set("MinutiApp", time.mid(3));
    r.set("Ora", time);
    r.set("Avviso", QString::fromUtf8(c.notice));
    r.set("Tipologia", "Bianchi Anna");
    r.set("Causale", QString::fromUtf8(c.services));
    r.set("Contatto", QString::fromUtf8(c.client));
    r.set("Tel", "061234567");
    r.set("Cel", QString::fromUtf8(c.cel));
    r.set("Importo", QString::fromUtf8(c.amount));
    r.set("Ottemperata", QString::fromUtf8(c.done));
    return r;
}

// The cards added at the end of the appointment archive.
inline void appendCards(const Seams& seams, std::initializer_list<Card> cards) {
    std::vector<Record> records;
    for (const Card& c : cards) records.push_back(card(c));
    appendRecords(seams.file("Archivio_Appuntamenti.pro"), records);
}
