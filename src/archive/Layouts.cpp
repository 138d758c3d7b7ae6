#include "archive/Layouts.h"

namespace ArchiveFiles {
QString servizi(int p) { return QStringLiteral("Servizi_Cliente_%1.pro").arg(p); }
QString cartellaPratica(qint64 p) { return QStringLiteral("Pratica_%1").arg(p); }
QString protocollo(int year) { return QStringLiteral("%1.prt").arg(year, 4, 10, QLatin1Char('0')); }
}  // namespace ArchiveFiles
