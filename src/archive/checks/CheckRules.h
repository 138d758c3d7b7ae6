#pragma once
// The arithmetic of the identity-number checks, apart from any window: the
// shape and check character of the codice fiscale, the check digit of the
// partita IVA and the VAT office that issued it, the IBAN's country, length,
// remainder modulo 97 and Italian CIN, and the Luhn test of payment cards
// with the brand and lengths of their range.
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

// The sixteen characters have the shape of a codice fiscale: letters for
// the name, the month, the place and the check; digits, or the letters that
// stand for them in twin codes, for the year, the day and the place number;
// a month letter; a day 01-31 (men) or 41-71 (women). Letters a to z count
// as A to Z.
bool codiceFiscaleShaped(const QString& code);

// Shaped as above and the sixteenth character is the check letter of the
// first fifteen.
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

// One row of the IBAN registry: the country and the length of its IBANs.
struct IbanCountry {
    const char* code;  // two letters
    int length;
};
std::span<const IbanCountry> ibanCountries();

// The length of the IBANs of a country; 0 for a code not in the registry.
int ibanLength(const QString& country);

// The national check letter (CIN) of an Italian account: ABI, CAB and
// account number, 22 characters. A null QChar when the text is not 22
// digits and letters A-Z.
QChar italianCin(const QString& bban);

// The IBAN as typed, blanks removed, upper case, without a leading "IBAN".
QString ibanCompact(const QString& iban);

// A known country, that country's length, two check digits 02 to 98,
// remainder 1, and for Italy digits for the bank and branch codes and the
// national check letter.
bool ibanValid(const QString& iban);

// --- Payment cards ----------------------------------------------------------

// The digits of the whole number, which may be written in groups separated
// by blanks, dashes or dots; empty when any other character is there (a
// letter among the digits is a typo) or a separator opens or ends it.
QString cardDigits(const QString& number);

// The last digit is the Luhn check digit of those before it; false for an
// empty string.
bool luhnValid(const QString& digits);

// One range of leading digits issued to a brand, with the lengths its
// numbers have (bit n set for length n).
struct CardRange {
    const char* low;  // leading digits, as many as in high
    const char* high;
    std::uint32_t lengths;
    const char* brand;  // as shown to the user
};
std::span<const CardRange> cardRanges();

// The range the leading digits fall in; nullptr when no brand issues them.
const CardRange* cardRange(const QString& digits);

// The brand of a card by its leading digits; empty when no known range
// matches.
QString cardBrand(const QString& digits);

enum class CardVerdict {
    Wrong,         // fails the Luhn test, or the length is not one its brand issues
    Valid,         // a known brand with one of its lengths
    UnknownBrand,  // passes the Luhn test with a card's length, in no known range
};
// The verdict on the digits of a card number (see cardDigits).
CardVerdict cardVerdict(const QString& digits);

}  // namespace Checks
