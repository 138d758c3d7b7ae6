#include <QAbstractButton>
#include <QAccessible>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "appuntamenti/AgendaCards.h"
#include "appuntamenti/CommitmentSummaries.h"
#include "appuntamenti/TfrmAgenda.h"
#include "archive/TfrmTrovaClienti.h"
#include "clienti/ServiceFields.h"
#include "clienti/TfrmAllegaExcel.h"
#include "clienti/TfrmRicontatta.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/RecordList.h"

namespace {

void clients(const Seams& seams) {
    std::vector<Record> records;
    for (const char* name : {"ROSSI MARIO", "VERDI ANNA", "BIANCHI LUCA"}) {
        Record r(Layouts::TSchedaCliente());
        r.set("Cliente", name);
        r.set("Ricontatta", QStringLiteral("S\u00EC"));
        records.push_back(r);
    }
    appendRecords(seams.file("Contatti.pro"), records);
}

void appointments(const Seams& seams) {
    // The clock says 5 March 2025: overdue, due today, and done.
    appendCards(seams, {{"03/03/2025", "09:00", "0", "No", "Rossi Mario"},
                        {"04/03/2025", "11:00", "0", "No", "Verdi Anna"},
                        {"05/03/2025", "16:00", "0", "No", "Bianchi Luca"},
                        {"01/03/2025", "10:00", "0", "S\u00EC", "Neri Paolo"},
                        {"02/03/2025", "10:00", "0", "S\u00EC", "Gialli Rita"}});
}

void services(const Seams& seams) {
    std::vector<Record> records;
    for (const char* what : {"Consulenza", "Pratica", "Visura"}) {
        Record r(ServiceFields::get().layout());
        r.set("Data", "01/03/2025");
        r.set("Ora", "10:00");
        r.set("Servizi", what);
        r.set("Agente", "Carla");
        r.set("Importo", "10,00");
        records.push_back(r);
    }
    appendRecords(seams.file("Servizi_Cliente_1.pro"), records);
}

}  // namespace

// A screen reader hears what a list holds and which of its lines is chosen.
TEST(AccessibleLists, EveryListSaysWhatItListsAndWhichLineIsChosen) {
    struct Case {
        std::function<void(const Seams&)> archive;
        std::function<std::shared_ptr<QDialog>()> make;
        const char* search;  // the button that fills the list, if it is not filled on showing
        const char* name;
    };
    const Case cases[] = {
        {clients, [] { return std::make_shared<TfrmTrovaClienti>(); }, "btnCerca", "Risultati della ricerca"},
        {clients, [] { return std::make_shared<TfrmRicontatta>(); }, nullptr, "Riepilogo clienti da ricontattare"},
        {appointments, [] { return std::make_shared<TfrmConfermati>(); }, nullptr, "Riepilogo impegni da assolvere"},
        {appointments, [] { return std::make_shared<TfrmScaduti>(); }, nullptr,
         "Riepilogo impegni scaduti e non assolti"},
        {appointments, [] { return std::make_shared<TfrmAssolti>(); }, nullptr, "Riepilogo impegni assolti"},
        {services, [] { return std::make_shared<TfrmAllegaExcel>("ROSSI MARIO", 1); }, nullptr,
         "Servizi forniti a ROSSI MARIO"},
        {appointments, [] { return std::make_shared<TfrmAgenda>(); }, nullptr, "Appuntamenti imminenti"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seams seams;
        c.archive(seams);
        std::shared_ptr<QDialog> w = c.make();
        WindowDriver::showActive(w.get());
        if (c.search) child<QAbstractButton>(w.get(), c.search)->click();
        auto* list = child<TRecordList>(w.get(), "lstRecords");
        ASSERT_GE(list->count(), 2);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Down);

        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(c.name));
        ASSERT_NE(a->tableInterface(), nullptr);
        EXPECT_EQ(a->tableInterface()->selectedRows(), QList<int>{1});
        QAccessibleInterface* chosen = a->child(1);
        EXPECT_TRUE(chosen->state().selected);
        EXPECT_FALSE(a->child(0)->state().selected);
        EXPECT_EQ(chosen->text(QAccessible::Name), list->line(1));
        EXPECT_EQ(list->selectedRow(), 1);
    }
}
