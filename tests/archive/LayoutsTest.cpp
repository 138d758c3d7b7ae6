#include <gtest/gtest.h>

#include "appuntamenti/AppointmentFields.h"
#include "archive/CallFields.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "clienti/ServiceFields.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/WorkFields.h"
#include "libri/BookFields.h"
#include "pratiche/CaseFields.h"
#include "protocollo/ProtocolFields.h"

TEST(Layouts, RecordSizesOfTheNineArchives) {
    struct Case {
        const RecordLayout& layout;
        int size;
        int fields;
    };
    const Case cases[] = {
        {ClientFields::get().layout(), 3372, 36},   {ServiceFields::get().layout(), 117, 5},
        {CallFields::get().layout(), 1291, 20},     {ProtocolFields::get().layout(), 3403, 25},
        {AppointmentFields::get().layout(), 1265, 16}, {CaseFields::get().layout(), 5075, 59},
        {EmployeeFields::get().layout(), 3356, 31}, {WorkFields::get().layout(), 149, 5},
        {BookFields::get().layout(), 3150, 28},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.layout.size(), c.size) << c.layout.typeName().toStdString();
        EXPECT_EQ(c.layout.fieldCount(), c.fields) << c.layout.typeName().toStdString();
    }
}

TEST(Layouts, FieldOffsetsOfTheFileFormats) {
    struct Case {
        const RecordLayout& layout;
        const char* field;
        int offset;
    };
    const Case cases[] = {
        {AppointmentFields::get().layout(), "Avviso", 23},     {AppointmentFields::get().layout(), "Contatto", 580},
        {AppointmentFields::get().layout(), "Importo", 995},   {AppointmentFields::get().layout(), "Ottemperata", 1262},
        {EmployeeFields::get().layout(), "CodFisc", 400},   {EmployeeFields::get().layout(), "Iban", 1309},
        {EmployeeFields::get().layout(), "Desc03", 3105},   {WorkFields::get().layout(), "Luogo", 62},
        {WorkFields::get().layout(), "TotOre", 120},        {BookFields::get().layout(), "Dewey", 346},
        {BookFields::get().layout(), "Giudizio", 1142},     {BookFields::get().layout(), "Desc03", 2899},
        {CaseFields::get().layout(), "Urgente", 1934},      {CaseFields::get().layout(), "Doc32", 3518},
        {ClientFields::get().layout(), "Ricontatta", 1863}, {CallFields::get().layout(), "Operatore", 1170},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.layout.offset(QString::fromLatin1(c.field)), c.offset)
            << c.layout.typeName().toStdString() << "." << c.field;
}

TEST(Layouts, PerOwnerFileNames) {
    EXPECT_EQ(ArchiveFiles::servizi(3), QStringLiteral("Servizi_Cliente_3.pro"));
    EXPECT_EQ(ArchiveFiles::servizi(30), QStringLiteral("Servizi_Cliente_30.pro"));
    EXPECT_EQ(WorkFields::archiveOf(7), QStringLiteral("Archivio_Lavori/Lavori_Dipendente_7.pro"));
    EXPECT_EQ(ArchiveFiles::protocollo(2025), QStringLiteral("2025.prt"));
}
