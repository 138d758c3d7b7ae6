#include "appuntamenti/WhatsApp.h"

#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "ui/Desktop.h"

namespace {

QString setting(const char* key, const char* fallback) {
    QString value;
    try {
        value = Text::trim(IniFile::readString(ProgramFolder::file(QStringLiteral("Quarzeno.ini")),
                                               QStringLiteral("WhatsApp"), QLatin1String(key)));
    } catch (const IniError&) {
        // An unreadable settings file leaves the defaults: the message still goes.
    }
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

}  // namespace

namespace WhatsApp {

QString baseAddress() {
    QString base = setting("Indirizzo", DefaultAddress);
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return base;
}

QString countryPrefix() {
    QString prefix;
    for (QChar c : setting("Prefisso", DefaultPrefix))
        if (c.isDigit()) prefix += c;
    return prefix;
}

QString internationalNumber(const QString& typed, const QString& prefix) {
    const QString t = Text::trim(typed);
    QString digits;
    for (QChar c : t)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
    if (digits.isEmpty()) return digits;
    if (t.startsWith(QLatin1Char('+'))) return digits;
    if (digits.startsWith(QLatin1String("00"))) return digits.mid(2);
    if (!prefix.isEmpty() && digits.startsWith(prefix) && digits.size() > 10) return digits;
    return prefix + digits;
}

QString sendAddress(const QString& cellphone, const QString& text) {
    return baseAddress() + QStringLiteral("/send?phone=") + internationalNumber(cellphone, countryPrefix()) +
           QStringLiteral("&text=") + text;
}

void open(QWidget* parent, const QString& cellphone, const QString& text) {
    Desktop::open(parent, sendAddress(cellphone, text));
}

}  // namespace WhatsApp
