#pragma once
// The arithmetic of the identity-number checks, apart from any window: the
// check character of the codice fiscale, the check digit of the partita IVA
// and the VAT office that issued it, the IBAN remainder modulo 97 and the
// Luhn test of payment cards with their brand.
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

namespace Checks {

// --- Codice fiscale ---------------------------------------------------------

// Values of the characters "0" to "Z" (codes 48 to 90) at the odd and even
// positions; the seven codes between "9" and "A" are worth 0.
inline constexpr int kCharTableFirst = 48;
extern const std::array<std::uint8_t, 43> kOddValues;
extern const std::array<std::uint8_t, 43> kEvenValues;

// The check letter of the first fifteen characters, taken as they are (upper
// case). A null QChar when there are fewer than fifteen, or one of them is
// not among 0-9 and A-Z: such a code has no check letter.
QChar codiceFiscaleCheckChar(const QString& code);

// Exactly sixteen characters whose sixteenth is the check letter of the
// first fifteen; letters a to z count as A to Z.
bool codiceFiscaleValid(const QString& code);

// --- Partita IVA ------------------------------------------------------------

// The check digit of the first ten characters; -1 when there are fewer than
// ten or one of them is not a digit 0 to 9.
int partitaIvaCheckDigit(const QString& number);

// Exactly eleven digits, the last one the check digit of the first ten.
bool partitaIvaValid(const QString& number);

struct UfficioIva {
    const char* code;  // three digits
    const char* name;  // the town as shown to the user, UTF-8
};
std::span<const UfficioIva> ufficiIva();

// The office of a three-digit code (positions 8 to 10 of a partita IVA); a
// null string when the code is not in the table.
QString ufficioIva(const QString& code);

// --- IBAN -------------------------------------------------------------------

// The remainder modulo 97 of the IBAN read as a number: blanks removed, upper
// case, the first "IBAN" removed, the first four characters moved to the
// end, letters A-Z as 10 to 35, reduced nine digits at a time. 0 when any
// other character is left in it (or nothing is).
int ibanRemainder(const QString& iban);

// Remainder 1.
bool ibanValid(const QString& iban);

// --- Payment cards ----------------------------------------------------------

// The digits among the first twenty characters; the others are skipped.
QString cardDigits(const QString& number);

// The last digit is the Luhn check digit of those before it; false for an
// empty string.
bool luhnValid(const QString& digits);

// The brand of a card by its leading digits; empty for a number that no
// brand starts with (0, 1, 2, 7, 8, 9, and 32 and 39).
QString cardBrand(const QString& digits);

}  // namespace Checks
