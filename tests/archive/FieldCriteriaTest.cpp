#include <gtest/gtest.h>

#include "archive/FieldCriteria.h"
#include "support/Seams.h"

namespace {

const RecordLayout& layout() {
    static const RecordLayout l(QStringLiteral("TProva"), {{"Nome", 10}, {"Citta", 6}});
    return l;
}

// A record whose fields hold these exact bytes (length byte first).
Record stored(const QByteArray& nome, const QByteArray& citta) {
    Record r(layout());
    std::memcpy(r.bytes().data(), nome.constData(), size_t(nome.size()));
    std::memcpy(r.bytes().data() + 11, citta.constData(), size_t(citta.size()));
    return r;
}

}  // namespace

TEST(FieldCriteria, MatchesTheTrimmedFieldFoldingOnlyAToZ) {
    struct Case {
        const char* why;
        Record record;
        QString nome, citta;
        bool expected;
    };
    const Case cases[] = {
        {"case folded", stored("\x05ROSSI", "\x04Roma"), "rOs", "MA", true},
        {"every criterion must hold", stored("\x05ROSSI", "\x04Roma"), "ross", "bari", false},
        {"blank criteria take no part", stored("\x05ROSSI", "\x00"), "   ", "", true},
        {"accented letters are not folded", stored("\x06N\xC8GRI", "\x00"), QStringLiteral("n\u00E8"), "", false},
        {"accented letter as stored", stored("\x06N\xC8GRI", "\x00"), QStringLiteral("\u00C8g"), "", true},
        {"stored blanks around the text are not part of it", stored("\x07  ROSSI", "\x00"), " ro", "", false},
        {"a blank inside the text is",
         stored("\x08"
                "DE ROSSI",
                "\x00"),
         "e r", "", true},
        {"a damaged length reads only the field", stored("\xFFROSSIROSSI", "\x04Roma"), "rossiroma", "", false},
        {"a character no byte stands for never matches",
         stored("\x05"
                "ADAMO",
                "\x00"),
         QStringLiteral("\u0101d"), "", false},
        {"the text longer than the field",
         stored("\x03"
                "ABC",
                "\x00"),
         "abcd", "", false},
    };
    for (const Case& c : cases) {
        FieldCriteria criteria(layout());
        criteria.add(QStringLiteral("Nome"), c.nome);
        criteria.add(QStringLiteral("Citta"), c.citta);
        EXPECT_EQ(criteria.matches(c.record), c.expected) << c.why;
    }
}
