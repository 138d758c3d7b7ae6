#pragma once
// The scrambling of the stored password: a byte-wise stream with a 16-bit
// running key, two hexadecimal digits per character.
#include <QString>
#include <stdexcept>

class CryptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace Crypt {

QString Encode(const QString& text);

// A last odd digit is ignored; any other character than 0-9, A-F, a-f throws.
QString Decode(const QString& hex);

}  // namespace Crypt
