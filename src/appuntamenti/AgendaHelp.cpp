#include "appuntamenti/AgendaHelp.h"

#include "appuntamenti/TfrmAgenda.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "appuntamenti/TfrmExpScadenzario.h"

HelpTopic agendaHelpTopic() {
    return {
        TfrmAgenda::kHelpTitle,
        {QStringLiteral(
             "L'Agenda Appuntamenti ricorda ogni giorno gli impegni presi con i clienti: all'apertura elenca "
             "gli appuntamenti ancora da assolvere che sono ormai vicini, cos\u00EC che nessuno venga "
             "dimenticato. Gli appuntamenti sono conservati nel file Archivio_Appuntamenti.pro della cartella "
             "del programma."),
         QStringLiteral("L'agenda serve soltanto alla consultazione: gli appuntamenti si inseriscono e si modificano "
                        "nello schedario, che si apre con il pulsante Inserisci appuntamenti. Tornando all'agenda, "
                        "l'elenco viene ricalcolato e mostra subito le schede appena salvate."),
         QStringLiteral("In alto a destra un fumetto dice se ci sono appuntamenti imminenti; quando ce ne sono, "
                        "all'apertura si sente anche un breve segnale sonoro. Se il computer non ha altoparlanti o il "
                        "file del suono Avviso.mp3 manca, l'agenda funziona lo stesso, in silenzio."),
         QStringLiteral(
             "Un appuntamento compare nell'elenco quando non \u00E8 ancora segnato come assolto e mancano al "
             "suo giorno non pi\u00F9 dei giorni di preavviso indicati nella sua scheda: con 0 giorni compare "
             "il giorno stesso, con 30 giorni un mese prima. Per questo l'elenco pu\u00F2 mostrare anche "
             "appuntamenti lontani. Gli appuntamenti passati e non assolti restano in elenco finch\u00E9 non "
             "si spunta \"Impegno assolto\" nella loro scheda e la si salva."),
         QStringLiteral(
             "Ogni riga comincia con un codice di dodici cifre formato da anno, mese, giorno, ora e minuti, "
             "perci\u00F2 l'elenco \u00E8 sempre in ordine di data e ora; seguono il cliente, il cellulare, "
             "i servizi richiesti e l'importo. Quando non c'\u00E8 nulla di imminente l'elenco \u00E8 vuoto. "
             "Stampa manda l'elenco alla stampante, Esporta lo mostra in una griglia da cui si crea un file "
             "di Microsoft Excel."),
         QStringLiteral(
             "Nel calendario si sceglie un giorno: il pulsante Del giorno mostra tutti gli appuntamenti di "
             "quel giorno, assolti o no, e il pulsante Del mese quelli dell'intero mese, sempre in ordine di "
             "data e ora e pronti per essere esportati in Excel. Anche un doppio clic o il tasto Invio su un "
             "giorno del calendario ne mostra gli appuntamenti."),
         QStringLiteral("Per ricordare un appuntamento al cliente con WhatsApp, fate clic sulla sua riga nell'elenco e "
                        "poi sull'icona di WhatsApp: la finestra che si apre riporta data, ora, cliente e cellulare, e "
                        "l'icona di invio apre la pagina di WhatsApp con il messaggio gi\u00E0 scritto. Un numero "
                        "scritto senza prefisso riceve da solo quello internazionale dello studio (39 per l'Italia). "
                        "Esci riporta alla schermata principale di Plenaro.")}};
}

HelpTopic expScadenzarioHelpTopic() {
    return {
        TfrmExpScadenzario::kHelpTitle,
        {QStringLiteral(
             "Questa finestra mostra in una griglia tutte le schede dello schedario degli appuntamenti, una "
             "riga per scheda, nell'ordine in cui sono state salvate. Con l'icona di Excel, dopo la conferma, "
             "le schede vengono scritte in un foglio di lavoro che si apre con qualsiasi programma in grado "
             "di leggere i file XLS, come Microsoft Excel o LibreOffice Calc."),
         QStringLiteral("Il file Riepilogo_Appuntamenti.xls viene creato subito nella cartella del programma, al posto "
                        "di quello di un'esportazione precedente; rispondendo S\u00EC alla domanda finale si apre "
                        "all'istante."),
         QStringLiteral("Dal foglio di calcolo il file si pu\u00F2 poi salvare con un altro nome, per conservarlo. Se "
                        "compare un messaggio che segnala l'impossibilit\u00E0 di esportare i dati, chiudete il file "
                        "eventualmente aperto nel foglio di calcolo e riprovate.")}};
}

HelpTopic visualizzazioneAppuntamentiHelpTopic() {
    return {TfrmExpImminenti::kHelpTitle,
            {QStringLiteral(
                 "Gli appuntamenti imminenti compaiono da soli nell'agenda ogni volta che la si apre. Questa "
                 "finestra li mostra in una griglia, in ordine di data e ora secondo il codice univoco di dodici "
                 "cifre (anno, mese, giorno, ora e minuti), con tutti i dati delle loro schede; allo stesso modo "
                 "mostra gli appuntamenti del giorno o del mese scelti nel calendario dell'agenda, assolti o no."),
             QStringLiteral(
                 "Con l'icona di Excel, dopo la conferma, la griglia viene scritta in un file della cartella del "
                 "programma (Appuntamenti_Imminenti.xls, Appuntamenti_Giornalieri.xls o "
                 "Appuntamenti_Mensili.xls), che sostituisce quello di un'esportazione precedente e si pu\u00F2 "
                 "aprire subito rispondendo S\u00EC alla domanda finale."),
             QStringLiteral(
                 "Un impegno svolto lascia l'elenco degli imminenti soltanto quando nella sua scheda si spunta "
                 "\"Impegno assolto\" e la si salva. L'elenco segue i giorni di preavviso di ciascuna scheda: un "
                 "appuntamento con molti giorni di preavviso vi compare con largo anticipo.")}};
}
