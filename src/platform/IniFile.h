#pragma once
// Settings files in the format Windows programs read and write: "[Section]"
// and "key=value" lines, names compared without case, values in
// Windows-1252, CRLF line ends. Files other editors saved in UTF-8 with a
// byte-order mark, or with CR or LF line ends, read the same; a write gives
// them back in Windows-1252 with CRLF.
#include <QString>
#include <stdexcept>

class IniError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace IniFile {

// A missing file, section or key reads as the empty text. Blanks around the
// value and one pair of wrapping quotes are dropped, as Windows does.
// Throws IniError when the file exists but cannot be read.
QString readString(const QString& path, const QString& section, const QString& key);

// Writes one value, keeping every other line as it was, and creates the file
// on the first write. The new text goes to a temporary file beside the old
// one, which it then replaces, so a crash or a full disk never leaves a
// half-written file. Throws IniError when the file cannot be written.
void writeString(const QString& path, const QString& section, const QString& key, const QString& value);

}  // namespace IniFile
