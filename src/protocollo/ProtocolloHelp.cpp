#include "protocollo/ProtocolloHelp.h"

#include "protocollo/TfrmExpProtocollo.h"
#include "protocollo/TfrmProtocollo.h"
#include "protocollo/TfrmRiepProtocollo.h"

HelpTopic protocolloHelpTopic() {
    return {TfrmProtocollo::kHelpTitle,
            {QStringLiteral(
                 "L'app Protocollo Posta registra e numera i documenti che lo studio riceve, spedisce o produce al "
                 "proprio interno. I documenti di ogni anno solare formano un archivio a s\u00E9, il file che porta "
                 "il nome dell'anno (per esempio 2026.prt) nella cartella del programma. All'apertura dell'app "
                 "il campo Anno propone l'anno in corso: basta premere Apri, oppure scrivere un altro anno di "
                 "quattro cifre per consultare o completare il protocollo di un anno passato. Un anno che non ha "
                 "ancora un archivio ne riceve uno vuoto alla prima apertura."),
             QStringLiteral(
                 "Il pulsante Nuova prepara la scheda di un nuovo documento: il programma assegna il numero "
                 "progressivo successivo all'ultimo registrato e la data di oggi come data di registrazione. La "
                 "numerazione riparte da 1 con l'archivio di ogni anno; con il pulsante Numerazione si pu\u00F2 "
                 "indicare un numero iniziale diverso, utile per esempio quando si prosegue un protocollo tenuto "
                 "in precedenza su carta, e si pu\u00F2 chiedere che l'anno segua il numero (42/2026). Il numero "
                 "proposto si pu\u00F2 correggere e diventa definitivo solo quando si salva la scheda; se nel "
                 "frattempo un'altra postazione ha protocollato altri documenti, il programma lo segnala e propone "
                 "il primo numero libero."),
             QStringLiteral(
                 "Per salvare una scheda servono il numero di protocollo, la data di registrazione, la categoria, "
                 "l'oggetto e la tipologia di posta (in entrata, in uscita o interna). Premendo Salva la prima "
                 "volta la scheda entra in archivio e il suo numero d'ordine compare accanto a \"Scheda n.\"; "
                 "premendo di nuovo Salva si registrano le modifiche. Con Prima, Precedente, Successiva e Ultima si "
                 "scorrono le schede gi\u00E0 registrate per consultarle o aggiornarle: le modifiche non salvate si "
                 "perdono passando a un'altra scheda. Le schede non si cancellano."),
             QStringLiteral(
                 "Ogni scheda descrive il documento: ufficio e operatore che lo registrano, categoria, collocazione "
                 "dell'originale cartaceo, oggetto, date di spedizione e di ricezione, formato e numero di pagine, "
                 "riferimenti ad altri documenti, note, mittente e destinatario con i rispettivi recapiti. La data "
                 "di registrazione si sceglie dal calendario: fate clic sul campo e premete un tasto qualsiasi; i "
                 "tasti Canc e Backspace la svuotano. L'ufficio e l'operatore vengono ricordati automaticamente "
                 "all'uscita e riproposti a ogni nuova scheda. Con il tasto Invio si passa da un campo al "
                 "successivo."),
             QStringLiteral(
                 "Alla scheda si pu\u00F2 unire la copia digitale del documento: Sfoglia... la copia nella cartella "
                 "Documenti_Allegati del programma, Apri la mostra con il programma associato e il pulsante con la "
                 "gomma toglie il collegamento senza cancellare il file. Se nella cartella esiste gi\u00E0 un file "
                 "con lo stesso nome, il programma chiede se sostituirlo. Il pulsante Allegati permette di unire "
                 "altri tre file, ciascuno con la sua descrizione. Ricordate di salvare la scheda per conservare "
                 "questi collegamenti."),
             QStringLiteral(
                 "Il pulsante Riepilogo elenca i documenti registrati fra due date, entrambe comprese, nell'archivio "
                 "dell'anno aperto, e permette di esportarli in un file di Microsoft Excel, Protocollo.xls, comodo "
                 "per esempio per il resoconto mensile della posta."),
             QStringLiteral(
                 "Trova cerca i documenti su pi\u00F9 criteri insieme, come il numero, la tipologia di posta, la "
                 "data, l'operatore, la categoria, l'oggetto, il mittente, il destinatario, i riferimenti e le "
                 "note: basta una parte del testo, senza badare a maiuscole e minuscole. Un doppio clic su una riga "
                 "dell'elenco riporta la scheda nella finestra. Stampa produce la scheda del documento mostrato, "
                 "cos\u00EC come appare sullo schermo, ed Esporta scrive tutte le schede dell'anno nel file "
                 "Protocollo.xls. Esci riporta alla finestra di avvio di Plenaro.")}};
}

HelpTopic riepProtocolloHelpTopic() {
    return {TfrmRiepProtocollo::kHelpTitle,
            {QStringLiteral(
                 "Questa finestra elenca i documenti dell'archivio dell'anno aperto registrati in un intervallo di "
                 "tempo. Scrivete la data di inizio e quella di fine nel formato gg/mm/aaaa (all'apertura la data "
                 "di fine \u00E8 quella di oggi) e fate clic sulla lente o premete Invio: compaiono, nell'ordine di "
                 "registrazione, tutti i documenti con la data di registrazione compresa fra le due, estremi "
                 "inclusi. Se una data non esiste, o se la fine precede l'inizio, il programma lo segnala."),
             QStringLiteral(
                 "Con l'icona di Excel, dopo la conferma, i documenti elencati vengono scritti nel file "
                 "Protocollo.xls della cartella del programma, che sostituisce quello di un'esportazione precedente "
                 "e si pu\u00F2 aprire subito rispondendo S\u00EC alla domanda finale. Se l'elenco \u00E8 vuoto, il "
                 "file contiene soltanto la riga delle intestazioni."),
             QStringLiteral(
                 "Se compare un messaggio che segnala l'impossibilit\u00E0 di esportare i dati, chiudete il file "
                 "Protocollo.xls eventualmente aperto nel foglio di calcolo e riprovate. Esci riporta al "
                 "protocollo.")}};
}

HelpTopic expProtocolloHelpTopic() {
    return {
        TfrmExpProtocollo::kHelpTitle,
        {QStringLiteral(
             "Questa finestra mostra in una griglia tutte le schede dell'archivio dell'anno aperto, una riga "
             "per documento nell'ordine di registrazione, con numero, tipologia, date, ufficio, operatore, "
             "categoria, collocazione, oggetto, formato, pagine, riferimenti, note, mittente e destinatario. "
             "La griglia serve soltanto alla consultazione: le schede si modificano dal protocollo."),
         QStringLiteral("Per creare il foglio di lavoro fate clic sull'icona di Excel e confermate la domanda. Il "
                        "programma scrive il file Protocollo.xls nella cartella del programma, sostituendo quello di "
                        "un'esportazione precedente, e chiede se aprirlo: rispondendo S\u00EC il file si apre con il "
                        "programma associato ai file XLS, con cui potete salvarlo con il nome che preferite."),
         QStringLiteral(
             "Se compare un messaggio che segnala l'impossibilit\u00E0 di esportare i dati, chiudete il file "
             "Protocollo.xls eventualmente aperto nel foglio di calcolo e riprovate. Esci riporta al "
             "protocollo.")}};
}
