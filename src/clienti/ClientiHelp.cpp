#include "clienti/ClientiHelp.h"

#include "clienti/TfrmClienti.h"

HelpTopic clientiHelpTopic() {
    return {TfrmClienti::kHelpTitle,
            {QStringLiteral(
                 "L'app Clienti e Servizi \u00E8 la rubrica dello studio: per ogni cliente conserva una scheda con i "
                 "dati anagrafici e di residenza, i recapiti telefonici, la PEC e l'indirizzo e-mail, il codice "
                 "fiscale, la partita IVA, la carta di credito, l'IBAN, gli estremi del documento, la professione, "
                 "gli interessi, le questioni in sospeso e le note. Le schede si trovano nel file Contatti.pro della "
                 "cartella del programma."),
             QStringLiteral(
                 "All'apertura la finestra \u00E8 pronta per una nuova scheda. Compilate i campi passando dall'uno "
                 "all'altro con il tasto Invio e premete Salva: la scheda entra in archivio e il suo numero compare "
                 "accanto alla voce \"Scheda n.\". Per salvare occorrono almeno il cognome e nome, il numero di "
                 "cellulare e il codice fiscale; se ne manca uno, il programma lo segnala e vi porta sul campo da "
                 "completare. Premendo di nuovo Salva sulla stessa scheda si registrano le modifiche."),
             QStringLiteral(
                 "Con i pulsanti Prima, Precedente, Successiva e Ultima scorrete le schede in archivio; Nuova "
                 "prepara una scheda vuota. Le modifiche non salvate si perdono quando si passa a un'altra scheda, "
                 "quindi ricordate di premere Salva. Duplica crea una nuova scheda con gli stessi dati di quella "
                 "mostrata, senza i file allegati: modificatela e salvatela come una scheda nuova. Le schede non si "
                 "cancellano: si possono soltanto correggere."),
             QStringLiteral(
                 "Alcuni campi si aiutano da soli: cellulare, carta di credito e partita IVA accettano soltanto "
                 "cifre, il codice fiscale e l'IBAN vengono scritti in maiuscolo e senza spazi, e le province si "
                 "scelgono dall'elenco o si digitano. I pulsanti accanto al codice fiscale, alla carta, alla partita "
                 "IVA e all'IBAN ne controllano la correttezza; un codice fiscale di sole cifre viene controllato "
                 "come partita IVA. Il pulsante accanto all'e-mail apre un nuovo messaggio per il cliente."),
             QStringLiteral(
                 "Spuntate \"Da ricontattare\" per ricordarvi di richiamare il cliente: il pulsante Da ricontattare "
                 "elenca tutti i clienti in attesa. Dalla scheda salvata di un cliente potete vedere lo storico "
                 "delle sue telefonate nel registro delle chiamate e il riepilogo dei servizi che gli avete fornito, "
                 "con date, agenti e importi."),
             QStringLiteral(
                 "Trova cerca i clienti su pi\u00F9 campi insieme; Stampa, Anteprima e PDF producono la scheda "
                 "anagrafica del cliente mostrato, anche se non ancora salvata; Esporta crea un file di Microsoft "
                 "Excel con l'intero archivio. Esci riporta alla schermata principale di Plenaro.")}};
}
