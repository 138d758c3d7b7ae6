#include "archive/Layouts.h"

#include "archive/ClientFields.h"

namespace Layouts {

const RecordLayout& TSchedaCliente() { return ClientFields::get().layout(); }

const RecordLayout& TSchedaChiamata() {
    static const RecordLayout l(
        "TSchedaChiamata",
        {{"Giorno", 2},    {"Mese", 10},       {"Anno", 4},     {"DataChiamata", 10}, {"Ore", 2},
         {"Minuti", 2},    {"OraChiamata", 5}, {"Tipo", 20},    {"Oggetto", 250},     {"Esito", 250},
         {"Grado", 50},    {"Durata", 50},     {"Cliente", 50}, {"CodFisc", 16},      {"Zona", 50},
         {"Recapito", 50}, {"TelCel", 30},     {"Email", 50},   {"Note", 250},        {"Operatore", 120}});
    return l;
}

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
