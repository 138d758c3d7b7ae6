#include <gtest/gtest.h>

#include "appuntamenti/WhatsApp.h"
#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "support/Seams.h"

TEST(WhatsAppNumber, ItalianNumbersGetThePrefixInternationalOnesKeepTheirs) {
    struct Case {
        const char* typed;
        const char* prefix;
        const char* expected;
    };
    const Case cases[] = {
        {"3331234567", "39", "393331234567"},       // a mobile typed the Italian way
        {" 333 123.45-67 ", "39", "393331234567"},  // separators dropped
        {"(333) 1234/567", "39", "393331234567"},
        {"3931234567", "39", "393931234567"},    // ten digits: national, even starting with 39
        {"393331234567", "39", "393331234567"},  // already carries the prefix
        {"+39 333 1234567", "39", "393331234567"},
        {"+41 79 123 45 67", "39", "41791234567"},  // another country stays itself
        {"0041791234567", "39", "41791234567"},
        {"333123456", "41", "41333123456"},
        {"", "39", ""},
        {"  ", "39", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WhatsApp::internationalNumber(QString::fromUtf8(c.typed), QString::fromLatin1(c.prefix)),
                  QString::fromLatin1(c.expected))
            << c.typed;
}

TEST(WhatsAppAddress, SettingsGiveTheBaseAndPrefixAndTheShellEncodesTheText) {
    Seams seams;
    const QString text =
        QStringLiteral("Gentile Cliente, le ricordiamo l'appuntamento alle ore 09:05 del giorno 05/03/2025");
    EXPECT_EQ(WhatsApp::sendAddress(QStringLiteral("3331234567"), text),
              QStringLiteral("https://api.whatsapp.com/send?phone=393331234567&text=") + text);

    IniFile::writeString(seams.file("Quarzeno.ini"), "WhatsApp", "Indirizzo", "https://esempio.it/wa/");
    IniFile::writeString(seams.file("Quarzeno.ini"), "WhatsApp", "Prefisso", "+41");
    EXPECT_EQ(WhatsApp::sendAddress(QStringLiteral("791234567"), QStringLiteral("x")),
              QStringLiteral("https://esempio.it/wa/send?phone=41791234567&text=x"));

    WhatsApp::open(nullptr, QStringLiteral("791234567"), text);
    ASSERT_EQ(seams.opened.size(), 1);
    const QUrl url = Shell::urlFor(seams.opened.front());
    EXPECT_EQ(url.toString(QUrl::FullyEncoded),
              QStringLiteral("https://esempio.it/wa/send?phone=41791234567&text=Gentile%20Cliente,%20le%20ricordiamo%20"
                             "l'appuntamento%20alle%20ore%2009:05%20del%20giorno%2005/03/2025"));
}
