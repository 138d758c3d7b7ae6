#include "archive/Layouts.h"

namespace Layouts {

const RecordLayout& TSchedaAppuntamento() {
    static const RecordLayout l("TSchedaAppuntamento", {{"Data", 10},
                                                        {"OreApp", 2},
                                                        {"MinutiApp", 2},
                                                        {"Ora", 5},
                                                        {"Avviso", 3},
                                                        {"Tipologia", 50},
                                                        {"Causale", 250},
                                                        {"Dettagli", 250},
                                                        {"Contatto", 50},
                                                        {"Tel", 30},
                                                        {"Cel", 30},
                                                        {"Email", 50},
                                                        {"Luogo", 250},
                                                        {"Importo", 15},
                                                        {"Note", 250},
                                                        {"Ottemperata", 2}});
    return l;
}

}  // namespace Layouts

namespace ArchiveFiles {
QString servizi(int p) { return QStringLiteral("Servizi_Cliente_%1.pro").arg(p); }
QString cartellaPratica(qint64 p) { return QStringLiteral("Pratica_%1").arg(p); }
QString protocollo(int year) { return QStringLiteral("%1.prt").arg(year, 4, 10, QLatin1Char('0')); }
}  // namespace ArchiveFiles
