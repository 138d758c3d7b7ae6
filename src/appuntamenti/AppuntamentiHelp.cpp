#include "appuntamenti/AppuntamentiHelp.h"

#include "appuntamenti/TfrmArchivio_Scadenze.h"

HelpTopic schedarioAppuntamentiHelpTopic() {
    return {TfrmArchivio_Scadenze::kHelpTitle,
            {QStringLiteral(
                 "Lo Schedario Appuntamenti raccoglie gli appuntamenti che lo studio fissa con i propri clienti: "
                 "per ciascuno conserva una scheda con la data e l'ora, i giorni di preavviso, l'agente che "
                 "seguir\u00E0 il cliente, i servizi richiesti con i loro dettagli, i recapiti del cliente, la "
                 "modalit\u00E0 di pagamento, l'importo dovuto, le note e lo stato dell'impegno. Le schede sono "
                 "raccolte nel file Archivio_Appuntamenti.pro della cartella del programma e alimentano l'agenda, "
                 "i riepiloghi degli impegni e il riepilogo degli incassi."),
             QStringLiteral(
                 "Per compilare una nuova scheda si parte dalla data: il pulsante con il calendario, o un tasto "
                 "qualsiasi premuto nel campo della data, apre il calendario, dove si sceglie il giorno e si preme "
                 "Importa; Canc o Backspace svuotano la data. Ore e minuti si scelgono dai rispettivi elenchi, "
                 "aperti con il mouse o con la freccia in basso. Nei giorni di preavviso e nel cellulare si "
                 "scrivono solo cifre; nell'importo cifre e la virgola, e lasciando il campo l'importo viene "
                 "scritto con due decimali (7 diventa 7,00). Con il tasto Invio si passa da un campo al "
                 "successivo."),
             QStringLiteral(
                 "Per salvare una scheda occorrono la data dell'appuntamento, i giorni di preavviso, i servizi "
                 "richiesti, il cognome e nome del cliente e il suo numero di cellulare; gli altri dati sono "
                 "facoltativi. Se manca un dato obbligatorio il programma lo segnala e porta sul campo da "
                 "completare. Premendo Salva la scheda entra in archivio e il suo numero compare accanto alla voce "
                 "\"Scheda n.\"; premendo di nuovo Salva sulla stessa scheda si registrano le modifiche. I dati del "
                 "cliente si possono importare dall'archivio anagrafico dei clienti con il pulsante accanto al "
                 "nome."),
             QStringLiteral(
                 "Lo schedario non pone limiti: nello stesso giorno, e anche alla stessa ora, si possono registrare "
                 "quanti appuntamenti si desidera, per lo stesso cliente o per clienti diversi, e ogni appuntamento "
                 "ha la sua scheda."),
             QStringLiteral(
                 "Per un appuntamento che si ripete, per esempio una visita ogni settimana, si richiama la scheda "
                 "gi\u00E0 salvata e si preme Duplica: la scheda resta sullo schermo come nuova scheda, con tutti i "
                 "dati del cliente e dei servizi, mentre la data si svuota e l'ora torna a 00:00. Basta indicare la "
                 "nuova data e la nuova ora e premere Salva per aggiungerla all'archivio."),
             QStringLiteral(
                 "Il pulsante con il simbolo di WhatsApp, accanto al cellulare, prepara un messaggio di conferma "
                 "dell'appuntamento per il cliente, con la data e l'ora indicate sulla scheda, e lo apre nella "
                 "pagina di invio di WhatsApp sul browser: occorrono la data e il numero di cellulare, mentre non "
                 "\u00E8 necessario aver salvato la scheda. Il pulsante con la busta apre invece un nuovo messaggio "
                 "di posta elettronica all'indirizzo e-mail del cliente."),
             QStringLiteral(
                 "Con il pulsante Trova si cercano gli appuntamenti in archivio in base a uno o pi\u00F9 dati: la "
                 "data, l'ora, l'agente, i servizi, i dettagli, il nome del cliente, il telefono, il cellulare, la "
                 "modalit\u00E0 di pagamento o le note. Basta scrivere anche solo una parte del testo, senza badare "
                 "alle maiuscole: sono elencate le schede che contengono tutti i testi indicati. Un doppio clic su "
                 "una voce dell'elenco, o il tasto Invio, riporta la scheda nello schedario."),
             QStringLiteral(
                 "I giorni di preavviso dicono con quanto anticipo l'appuntamento va ricordato: all'apertura "
                 "dell'agenda un segnale sonoro avvisa se ci sono appuntamenti imminenti, cio\u00E8 impegni da "
                 "assolvere la cui data, meno i giorni di preavviso, \u00E8 oggi o gi\u00E0 passata. Con zero giorni "
                 "l'appuntamento \u00E8 segnalato a partire dal suo giorno, e resta segnalato finch\u00E9 non "
                 "viene segnato come assolto."),
             QStringLiteral(
                 "Quando un impegno \u00E8 stato assolto occorre spuntare la casella \"Impegno assolto\" e premere "
                 "Salva: il programma non lo fa mai da solo, qualunque sia la data. I pulsanti Assolti, Da "
                 "assolvere e Scaduti mostrano il riepilogo degli impegni assolti, di quelli ancora da assolvere "
                 "(scaduti o no) e di quelli da assolvere con una data gi\u00E0 passata; in ogni riepilogo si pu\u00F2 "
                 "cercare un testo con Trova, stampare l'elenco e richiamare una scheda con un doppio clic."),
             QStringLiteral(
                 "Il pulsante Stampa stampa la scheda che si trova sullo schermo, anche se non \u00E8 stata ancora "
                 "salvata, e Anteprima mostra come verr\u00E0 stampata. Il pulsante Esporta salva l'intero archivio "
                 "degli appuntamenti in un file di Excel, da aprire con un foglio di calcolo.")}};
}
