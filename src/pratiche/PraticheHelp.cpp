#include "pratiche/PraticheHelp.h"

#include "pratiche/TfrmExpPratiche.h"
#include "pratiche/TfrmPratica.h"

HelpTopic praticheHelpTopic() {
    return {TfrmPratica::kHelpTitle,
            {QStringLiteral(
                 "L'app Archivio Pratiche raccoglie le pratiche che lo studio segue per i propri clienti: per "
                 "ognuna conserva una scheda con l'oggetto e la tipologia, il numero di protocollo, le date di "
                 "apertura e di chiusura, lo stato di avanzamento, i documenti principali, gli uffici interessati, "
                 "il consulente o curatore che se ne occupa, i dati del cliente, i pagamenti gi\u00E0 saldati e "
                 "quelli ancora da effettuare e le note. Le schede sono conservate nel file Pratiche.pro della "
                 "cartella del programma, nell'ordine in cui vengono salvate per la prima volta, e non si "
                 "cancellano: si possono soltanto aggiornare."),
             QStringLiteral(
                 "Per registrare una nuova pratica premete Nuova: la data di apertura viene proposta con la data "
                 "di oggi, e i pulsanti con il calendario accanto alle due date inseriscono in un attimo la data "
                 "corrente. Lo stato di avanzamento si sceglie dall'elenco (Aperta, In lavorazione, Sospesa, Non "
                 "saldata, Chiusa e saldata) oppure si scrive liberamente. Il pulsante con la sagoma della "
                 "persona, accanto al nome del cliente, copia dall'archivio dei clienti il nome, il recapito, "
                 "l'indirizzo, il comune, la provincia, il CAP, il codice fiscale e la partita IVA; i pulsanti "
                 "accanto al codice fiscale e alla partita IVA ne controllano la correttezza. Per salvare sono "
                 "indispensabili l'oggetto, il numero di protocollo, la data di apertura e il nome del cliente: "
                 "premendo Salva la pratica entra in archivio e il suo numero compare accanto alla voce \"Scheda "
                 "n.\". Con il tasto Invio si passa da un campo al successivo."),
             QStringLiteral(
                 "Il pulsante Elenco documenti apre l'elenco dettagliato dei documenti della pratica, fino a "
                 "trentadue voci, che si pu\u00F2 anche stampare. Il pulsante Allegati permette invece di "
                 "collegare alla pratica fino a tre file, ciascuno con una breve descrizione: i file vengono "
                 "copiati nella cartella Documenti_Allegati del programma e si riaprono in qualsiasi momento con "
                 "il pulsante Apri. In entrambi i casi le modifiche, confermate con \"Applica e chiudi\", "
                 "entrano in archivio soltanto quando si preme Salva nella scheda della pratica: passando a "
                 "un'altra scheda senza salvare, vanno perdute."),
             QStringLiteral(
                 "Ogni pratica gi\u00E0 salvata pu\u00F2 avere una propria cartella sul disco, in cui raccogliere "
                 "lettere, moduli, fotografie e qualunque altro documento. Il pulsante Cartella, e poi \"Apri "
                 "cartella\", crea la prima volta la cartella Pratica_ seguita dal numero della scheda (per "
                 "esempio Pratica_12) nella cartella del programma e la mostra nella gestione dei file del "
                 "computer; le volte successive riapre la stessa cartella. Una pratica non ancora salvata non "
                 "ha un numero, e quindi nemmeno una cartella."),
             QStringLiteral(
                 "La casella \"Pratica urgente\" segnala le pratiche che richiedono attenzione immediata. Il "
                 "pulsante Urgenti mostra il riepilogo di tutte le pratiche contrassegnate, qualunque sia il loro "
                 "stato, con l'oggetto, il protocollo, la data di apertura, il cliente, il recapito e lo stato: un "
                 "doppio clic su una riga riporta la pratica nella finestra. Quando una pratica non \u00E8 pi\u00F9 "
                 "urgente basta togliere il segno dalla casella e salvare, e la pratica esce dal riepilogo."),
             QStringLiteral(
                 "Trova cerca le pratiche su pi\u00F9 criteri insieme: oggetto, tipologia, protocollo, data di "
                 "apertura, stato, documenti principali, cliente, codice fiscale, consulente e note. Basta "
                 "scrivere una parte del testo, senza badare a maiuscole e minuscole: per esempio \"in lav\" "
                 "nello stato trova le pratiche in lavorazione. Lasciando vuoti tutti i campi si ottiene l'elenco "
                 "di tutte le pratiche. Un doppio clic su una riga dell'elenco riporta la pratica nella finestra, "
                 "e l'elenco stesso si pu\u00F2 stampare. Il pulsante Esporta, infine, mostra l'intero archivio in "
                 "una griglia e lo trasferisce nel file Pratiche.xls, da aprire con un foglio di calcolo."),
             QStringLiteral(
                 "Stampa e Anteprima producono la scheda informativa della pratica mostrata, cos\u00EC come appare "
                 "sullo schermo, anche se non ancora salvata: vi compaiono tutti i dati della pratica e del "
                 "cliente e le prime cinque voci dell'elenco dei documenti, che ha una stampa tutta sua. "
                 "Dall'anteprima la scheda si pu\u00F2 ingrandire, vedere a schermo intero e stampare. Esci "
                 "riporta alla schermata principale di Plenaro.")}};
}

HelpTopic expPraticheHelpTopic() {
    return {TfrmExpPratiche::kHelpTitle,
            {QStringLiteral(
                 "Il pulsante Esporta archivio consente di esportare i dati di tutte la pratiche in un foglio di "
                 "lavoro di Microsoft Excel, che potr\u00E0 essere aperto con qualsiasi software in grado di "
                 "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."),
             QStringLiteral(
                 "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
                 "Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le schede in "
                 "archivio, che potr\u00E0 essere aperto immediatamente rispondendo affermativamente al messaggio "
                 "di domanda che appare."),
             QStringLiteral(
                 "A questo punto \u00E8 sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                 "qualsiasi.")}};
}
