#include "clienti/ClientiExportHelp.h"

#include "clienti/TfrmExpClienti.h"
#include "clienti/TfrmStoricoChiamate.h"

HelpTopic expClientiHelpTopic() {
    return {TfrmExpClienti::kHelpTitle,
            {QStringLiteral(
                 "Questa finestra mostra in una griglia tutte le schede dell'archivio clienti, una riga per "
                 "cliente, nell'ordine in cui sono state inserite. Per ogni cliente compaiono i dati anagrafici e "
                 "di residenza, i recapiti, i dati fiscali e bancari, il documento, la professione, gli interessi, "
                 "le questioni in sospeso e le note. La griglia serve soltanto alla consultazione: le schede si "
                 "modificano dalla finestra dei clienti."),
             QStringLiteral(
                 "Per creare il foglio di lavoro fate clic sull'icona di Excel e confermate la domanda. Il "
                 "programma scrive subito il file Clienti.xls nella cartella del programma, sostituendo quello "
                 "di un'esportazione precedente, e chiede se aprirlo: rispondendo S\u00EC il file si apre con il "
                 "programma associato ai file XLS (ad esempio Microsoft Excel o LibreOffice Calc)."),
             QStringLiteral(
                 "Poich\u00E9 ogni esportazione riscrive lo stesso file, salvatelo con un nome diverso se volete "
                 "conservarlo. Se compare un messaggio che segnala l'impossibilit\u00E0 di esportare i dati, "
                 "chiudete il file Clienti.xls eventualmente aperto nel foglio di calcolo e riprovate. Esci "
                 "riporta alla scheda del cliente.")}};
}

HelpTopic storicoChiamateHelpTopic() {
    return {
        TfrmStoricoChiamate::kHelpTitle,
        {QStringLiteral(
             "Questa finestra elenca le telefonate del registro delle chiamate che riguardano il cliente "
             "mostrato nella scheda, nell'ordine in cui sono state registrate: per ciascuna compaiono data e "
             "ora, tipo, oggetto, esito, grado di soddisfazione, durata, i recapiti del cliente, le note e "
             "l'operatore o agente che l'ha gestita."),
         QStringLiteral(
             "Una chiamata appartiene al cliente quando nel registro porta esattamente lo stesso codice "
             "fiscale che compare nella scheda: il nome non conta. Se una telefonata manca, controllate il "
             "codice fiscale indicato nella chiamata. Viene usato il codice presente sullo schermo, anche se "
             "appena modificato e non ancora salvato."),
         QStringLiteral("Con l'icona di Excel lo storico viene scritto nel file Storico_Chiamate_Cliente.xls della "
                        "cartella del programma, che sostituisce quello di un'esportazione precedente e si pu\u00F2 "
                        "aprire subito rispondendo S\u00EC alla domanda finale. Se l'esportazione non riesce, chiudete "
                        "il file eventualmente aperto nel foglio di calcolo e riprovate. Esci riporta alla scheda del "
                        "cliente.")}};
}
