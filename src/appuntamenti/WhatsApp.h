#pragma once
// The send page of the WhatsApp web client, through which the appointment
// card confirms and the agenda reminds an appointment to the client.
//
// The page's base address and the office's country prefix are settings in
// "Quarzeno.ini", section "WhatsApp", keys "Indirizzo" and "Prefisso"; a
// missing or empty value reads as the default. The card keeps the number as
// it was typed; only the address carries it in international form.
#include <QString>

class QWidget;

namespace WhatsApp {

inline constexpr const char* DefaultAddress = "https://api.whatsapp.com";
inline constexpr const char* DefaultPrefix = "39";

QString baseAddress();
QString countryPrefix();

// The number in international form, digits only, for the page's `phone`.
// Blanks, dots, dashes, slashes and brackets are dropped. A number that
// starts with "+" or "00" already carries its country and keeps it (without
// the "+" or "00"); so does one that starts with the prefix and is longer
// than the ten digits of a national number. Any other number gets the
// prefix in front. An empty number stays empty.
QString internationalNumber(const QString& typed, const QString& prefix);

// base + "/send?phone=" + number + "&text=" + text, as the shell receives it;
// the shell percent-encodes it on the way to the browser.
QString sendAddress(const QString& cellphone, const QString& text);

// Hands sendAddress() to the shell; tells the user when no program can open it.
void open(QWidget* parent, const QString& cellphone, const QString& text);

}  // namespace WhatsApp
