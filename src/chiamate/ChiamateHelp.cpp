#include "chiamate/ChiamateHelp.h"

#include "chiamate/TfrmChiamate.h"
#include "chiamate/TfrmExpChiamate.h"
#include "chiamate/TfrmRiepChiamateOggi.h"

HelpTopic chiamateHelpTopic() {
    return {
        TfrmChiamate::kHelpTitle,
        {QStringLiteral(
             "L'app Registro Chiamate tiene traccia delle telefonate che lo studio riceve ed effettua: per "
             "ogni chiamata conserva una scheda con la data e l'ora, il tipo (in entrata o in uscita), "
             "l'oggetto, l'esito, il grado di soddisfazione del cliente, la durata, i dati del cliente, le "
             "note e il nome dell'operatore o dell'agente che l'ha gestita. Le schede sono raccolte nel file "
             "Registro_Chiamate.pro della cartella del programma, nell'ordine in cui vengono salvate."),
         QStringLiteral(
             "All'apertura la finestra \u00E8 pronta per una nuova chiamata, gi\u00E0 datata con il giorno, il "
             "mese, l'anno, l'ora e i minuti del momento e con il tipo \"In entrata\"; il cursore attende "
             "l'oggetto. Giorno, mese, ore, minuti e tipo si scelgono dai rispettivi elenchi, aperti con il "
             "mouse o con la freccia in basso: la voce si sceglie nell'elenco aperto e si conferma con Invio. "
             "I campi si svuotano con il tasto Canc o Backspace; l'anno si scrive "
             "in cifre. I pulsanti con il calendario e con l'orologio riportano in un attimo la data di oggi e "
             "l'ora attuale. Con il tasto Invio si passa da un campo al successivo."),
         QStringLiteral(
             "Per salvare una chiamata occorrono la data completa, l'ora con i minuti, il tipo, l'oggetto, il "
             "cognome e nome del cliente, il suo codice fiscale e il numero di cellulare; esito, grado di "
             "soddisfazione, durata, zona, telefono preferenziale, e-mail, note e operatore sono facoltativi. "
             "Se manca un dato, o se la data indicata non esiste (per esempio il 31 aprile o il 29 febbraio di "
             "un anno non bisestile), il programma lo segnala e porta sul campo da correggere. Premendo Salva "
             "la chiamata entra in archivio e il suo numero compare accanto alla voce \"Scheda n.\"; premendo "
             "di nuovo Salva sulla stessa scheda si registrano le modifiche."),
         QStringLiteral(
             "Con i pulsanti Prima, Precedente, Successiva e Ultima si scorrono le chiamate registrate; Nuova "
             "prepara una nuova chiamata con la data e l'ora del momento. Le modifiche non salvate si perdono "
             "quando si passa a un'altra scheda, quindi ricordate di premere Salva. Le schede non si "
             "cancellano: si possono soltanto correggere."),
         QStringLiteral(
             "Duplica \u00E8 comodo quando lo stesso cliente richiama: partendo da una chiamata gi\u00E0 "
             "salvata, crea una nuova scheda con gli stessi dati, lasciando vuoti giorno, mese, ore e minuti e "
             "proponendo l'anno in corso. Scegliete la data e l'ora della nuova telefonata, aggiornate "
             "l'oggetto e l'esito e premete Salva: la copia entra in archivio come una nuova chiamata, mentre "
             "quella di partenza resta com'era."),
         QStringLiteral(
             "Il pulsante con la sagoma della persona, accanto al nome del cliente, apre la ricerca "
             "nell'archivio dei clienti: cercate il cliente e fate doppio clic sulla riga trovata per copiare "
             "nella chiamata il cognome e nome, il codice fiscale, la zona, il telefono preferenziale, il "
             "cellulare e l'indirizzo e-mail. I dati copiati si possono poi modificare liberamente: la scheda "
             "del cliente non cambia. Grazie al codice fiscale, la chiamata compare anche nello storico delle "
             "telefonate del cliente, nell'app Clienti e Servizi."),
         QStringLiteral(
             "Il codice fiscale viene scritto in maiuscolo e senza spazi; il pulsante accanto ne controlla la "
             "correttezza, e un codice di sole cifre viene controllato come partita IVA. Il pulsante accanto "
             "all'e-mail apre un nuovo messaggio indirizzato al cliente con il programma di posta del "
             "computer."),
         QStringLiteral(
             "Trova cerca le chiamate su pi\u00F9 criteri insieme, come la data, il mese scritto in lettere, il "
             "tipo, l'oggetto, l'esito, l'operatore, il cliente, il codice fiscale, la zona e le note: basta "
             "una parte del testo, senza badare a maiuscole e minuscole. Un doppio clic su una riga "
             "dell'elenco riporta la chiamata nella finestra, pronta per essere consultata o corretta, e "
             "l'elenco stesso si pu\u00F2 stampare. Stampa e Anteprima producono la scheda informativa della "
             "chiamata mostrata, cos\u00EC come appare sullo schermo, anche se non ancora salvata."),
         QStringLiteral("Il pulsante Oggi mostra il riepilogo delle chiamate registrate con la data odierna, mentre "
                        "Esporta presenta l'intero registro; da entrambe le finestre i dati si esportano in un file di "
                        "Microsoft Excel, Chiamate_Odierne.xls o Registro_Chiamate.xls, nella cartella del programma. "
                        "Esci riporta alla schermata principale di Plenaro.")}};
}

HelpTopic riepChiamateOggiHelpTopic() {
    return {TfrmRiepChiamateOggi::kHelpTitle,
            {QStringLiteral(
                 "Questa finestra elenca in una griglia le telefonate registrate con la data di oggi, a qualunque "
                 "ora, nell'ordine in cui sono state salvate: per ciascuna compaiono l'ora, il tipo, l'oggetto, "
                 "l'esito, il grado di soddisfazione, la durata, i dati del cliente, le note e l'operatore o "
                 "agente. La griglia serve alla consultazione: le chiamate si modificano dal registro."),
             QStringLiteral(
                 "Con l'icona di Excel, dopo la conferma, le chiamate di oggi vengono scritte nel file "
                 "Chiamate_Odierne.xls della cartella del programma, che sostituisce quello di un'esportazione "
                 "precedente e si pu\u00F2 aprire subito rispondendo S\u00EC alla domanda finale. Se non ci sono "
                 "chiamate, il file contiene soltanto la riga delle intestazioni."),
             QStringLiteral(
                 "Se compare un messaggio che segnala l'impossibilit\u00E0 di esportare i dati, chiudete il file "
                 "Chiamate_Odierne.xls eventualmente aperto nel foglio di calcolo e riprovate. Esci riporta al "
                 "registro delle chiamate.")}};
}

HelpTopic expChiamateHelpTopic() {
    return {
        TfrmExpChiamate::kHelpTitle,
        {QStringLiteral("Questa finestra mostra in una griglia tutte le chiamate del registro, una riga per chiamata, "
                        "nell'ordine in cui sono state salvate, con data, ora, tipo, oggetto, esito, grado di "
                        "soddisfazione, durata, i dati del cliente, le note e l'operatore o agente. La griglia serve "
                        "soltanto alla consultazione: le chiamate si modificano dal registro."),
         QStringLiteral(
             "Per creare il foglio di lavoro fate clic sull'icona di Excel e confermate la domanda. Il "
             "programma scrive il file Registro_Chiamate.xls nella cartella del programma, sostituendo quello "
             "di un'esportazione precedente, e chiede se aprirlo: rispondendo S\u00EC il file si apre con il "
             "programma associato ai file XLS (ad esempio Microsoft Excel o LibreOffice Calc)."),
         QStringLiteral(
             "Poich\u00E9 ogni esportazione riscrive lo stesso file, salvatelo con un nome diverso se volete "
             "conservarlo. Se compare un messaggio che segnala l'impossibilit\u00E0 di esportare i dati, "
             "chiudete il file Registro_Chiamate.xls eventualmente aperto nel foglio di calcolo e riprovate. "
             "Esci riporta al registro delle chiamate.")}};
}
