#pragma once
// The two-letter province codes offered by the province lists of the client
// and case windows; the user may type any other two characters.
#include <QStringList>

namespace Province {
const QStringList& codes();
}
