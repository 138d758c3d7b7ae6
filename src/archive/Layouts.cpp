#include "archive/Layouts.h"

#include "archive/ClientFields.h"

namespace {

std::vector<FieldDef> attachments() {
    return {{"File01", 250}, {"File02", 250}, {"File03", 250}, {"Desc01", 250}, {"Desc02", 250}, {"Desc03", 250}};
}

std::vector<FieldDef> join(std::vector<FieldDef> a, const std::vector<FieldDef>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

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

const RecordLayout& TSchedaProtocollo() {
    static const RecordLayout l("TSchedaProtocollo", join({{"Numero", 16},
                                                           {"Tipo", 20},
                                                           {"DataReg", 10},
                                                           {"Ufficio", 50},
                                                           {"Operatore", 50},
                                                           {"Categoria", 50},
                                                           {"Collocazione", 120},
                                                           {"Oggetto", 250},
                                                           {"DataSpe", 10},
                                                           {"DataRic", 10},
                                                           {"Formato", 50},
                                                           {"Pagine", 12},
                                                           {"Riferimenti", 250},
                                                           {"Note", 250},
                                                           {"Mittente", 120},
                                                           {"RecapitoMit", 120},
                                                           {"Destinatario", 120},
                                                           {"RecapitoDes", 120},
                                                           {"Copia", 250}},
                                                          attachments()));
    return l;
}

const RecordLayout& TSchedaDipendente() {
    static const RecordLayout l(
        "TSchedaDipendente",
        join({{"Dipendente", 50}, {"Sesso", 1},       {"DataNasc", 10},  {"Cittadinanza", 50},  {"LuogoNasc", 50},
              {"Indirizzo", 120}, {"Citta", 50},      {"Cap", 10},       {"Nazione", 50},       {"CodFisc", 16},
              {"Civile", 50},     {"PartitaIva", 11}, {"Studio", 120},   {"Lingue", 120},       {"Email", 50},
              {"Tel", 30},        {"Cel", 30},        {"Qualifica", 50}, {"Reparto", 50},       {"Disponibilita", 120},
              {"Mansioni", 250},  {"Iban", 27},       {"DataAss", 10},   {"Retribuzione", 250}, {"Note", 250}},
             attachments()));
    return l;
}

const RecordLayout& TSchedaLibro() {
    static const RecordLayout l(
        "TSchedaLibro",
        join({{"Titolo", 120},    {"Autore", 50},     {"Nazione", 50},  {"Anno", 20},     {"Editore", 50},
              {"Citta", 50},      {"Dewey", 12},      {"Genere", 50},   {"ISBN", 20},     {"Lingua", 50},
              {"Originale", 120}, {"Traduttore", 50}, {"Collana", 120}, {"Curatore", 50}, {"Posizione", 120},
              {"Etichetta", 50},  {"Formato", 50},    {"Volumi", 50},   {"Pagine", 20},   {"Prezzo", 20},
              {"Giudizio", 250},  {"Note", 250}},
             attachments()));
    return l;
}

}  // namespace Layouts

namespace ArchiveFiles {
QString servizi(int p) { return QStringLiteral("Servizi_Cliente_%1.pro").arg(p); }
QString lavori(int p) { return QStringLiteral("%1/Lavori_Dipendente_%2.pro").arg(CartellaLavori).arg(p); }
QString cartellaPratica(qint64 p) { return QStringLiteral("Pratica_%1").arg(p); }
QString protocollo(int year) { return QStringLiteral("%1.prt").arg(year, 4, 10, QLatin1Char('0')); }
}  // namespace ArchiveFiles
