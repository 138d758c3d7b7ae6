#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/ArchivioSchede.h"
#include "archive/ClientFields.h"
#include "clienti/TfrmClienti.h"
#include "platform/Text.h"
#include "support/Seams.h"
#include "ui/RecordList.h"

namespace {

class Recontact : public SeamsTest {
protected:
    TfrmClienti w;
    void SetUp() override { w.show(); }
    void archive(std::initializer_list<std::pair<const char*, const char*>> clients) {
        std::vector<Record> records;
        int n = 0;
        for (const auto& [name, flag] : clients) {
            Record r(ClientFields::get().layout());
            r.set("Cliente", QString::fromUtf8(name));
            r.set("Questioni", "richiamare");
            r.set("Ricontatta", QString::fromUtf8(flag));
            r.set("Note", QString::number(++n));
            records.push_back(r);
        }
        appendRecords(seams.file("Contatti.pro"), records);
    }
    QStringList listed() {
        QStringList names;
        seams.onModal([&](QDialog* d) {
            for (const QString& l : child<TRecordList>(d, "lstRecords")->lines()) names << l.left(26).trimmed();
        });
        child<QAbstractButton>(&w, "cmdRicontatta")->click();
        return names;
    }
};

}  // namespace

TEST_F(Recontact, ListsExactlyTheCardsFlaggedSi) {
    archive({{"Uno", "Sì"}, {"Due", "No"}, {"Tre", "Si"}, {"Quattro", "sì"}, {"Cinque", "Sì"}});
    EXPECT_EQ(listed(), QStringList({"Uno", "Cinque"}));
    EXPECT_EQ(seams.modals.back().title, QStringLiteral(" Riepilogo clienti da ricontattare"));
}

TEST_F(Recontact, AnArchiveLockedByAnotherCopyIsToldNotShownEmpty) {
    archive({{"Uno", "S\u00EC"}});
    TArchivioSchede otherCopy;
    otherCopy.open(seams.file("Contatti.pro"), ClientFields::get().layout());
    seams.messages.clear();
    EXPECT_EQ(listed(), QStringList());
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                             "possedere i privilegi di scrittura nella cartella di installazione del programma."));
    otherCopy.close();
    EXPECT_EQ(listed(), QStringList({"Uno"}));
}

TEST_F(Recontact, FollowsTheCheckBoxAsSaved) {
    child<QLineEdit>(&w, "txtCliente")->setText("Rossi");
    child<QLineEdit>(&w, "txtTelCel")->setText("333");
    child<QLineEdit>(&w, "txtCodFisc")->setText("X");
    auto* box = child<QCheckBox>(&w, "chkRicontatta");
    box->setChecked(true);
    child<QAbstractButton>(&w, "cmdSalva")->click();
    EXPECT_EQ(listed(), QStringList({"Rossi"}));
    box->setChecked(false);
    child<QAbstractButton>(&w, "cmdSalva")->click();
    EXPECT_EQ(listed(), QStringList());
}

TEST_F(Recontact, DoubleClickOpensTheLastIdenticalClient) {
    archive({{"Gemelli", "Sì"}, {"Altro", "Sì"}, {"Gemelli", "Sì"}});
    seams.onModal([&](QDialog* d) {
        auto* list = child<TRecordList>(d, "lstRecords");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->line(0), Text::fixed("Gemelli", 26) + "  Tel. " + Text::fixed("", 15) + "  " +
                                     Text::fixed("", 25) + "  Prod. " + Text::fixed("", 30) + "  richiamare");
        doubleClickLine(list, 0);
        EXPECT_FALSE(d->isVisible());
    });
    child<QAbstractButton>(&w, "cmdRicontatta")->click();
    EXPECT_EQ(child<QLabel>(&w, "lblPosizione")->text(), QStringLiteral("3"));
    EXPECT_EQ(child<QLineEdit>(&w, "txtNote")->text(), QStringLiteral("3"));
    EXPECT_TRUE(child<QCheckBox>(&w, "chkRicontatta")->isChecked());
}

TEST_F(Recontact, EnterOpensTheSelectedClientAndNoLineOpensNone) {
    archive({{"Uno", "Sì"}, {"Due", "Sì"}});
    for (int row : {1, -1}) {
        child<QAbstractButton>(&w, "cmdNuovo")->click();
        seams.onModal([&](QDialog* d) {
            auto* list = child<TRecordList>(d, "lstRecords");
            if (row < 0)
                list->clearSelection();
            else
                list->setCurrentRow(row);
            QTest::keyClick(list, Qt::Key_Return);
            EXPECT_FALSE(d->isVisible()) << row;
        });
        child<QAbstractButton>(&w, "cmdRicontatta")->click();
        EXPECT_EQ(child<QLabel>(&w, "lblPosizione")->text(), row < 0 ? QString() : QStringLiteral("2")) << row;
        EXPECT_EQ(child<QLineEdit>(&w, "txtCliente")->text(), row < 0 ? QString() : QStringLiteral("Due")) << row;
    }
    EXPECT_TRUE(seams.messages.empty());
}
