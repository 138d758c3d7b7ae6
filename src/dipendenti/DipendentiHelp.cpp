#include "dipendenti/DipendentiHelp.h"

#include "dipendenti/TfrmDipendenti.h"

HelpTopic dipendentiHelpTopic() {
    return {
        TfrmDipendenti::kHelpTitle,
        {QStringLiteral(
             "L'app Anagrafica Dipendenti raccoglie in una scheda per ciascuna persona dello studio i dati "
             "anagrafici e di residenza, il codice fiscale, la partita IVA e l'IBAN, il titolo di studio e le "
             "lingue conosciute, i recapiti telefonici e l'indirizzo di posta elettronica, la qualifica, il "
             "reparto, la disponibilit\u00E0, le mansioni, la data di assunzione, la retribuzione e le note. "
             "Ogni scheda pu\u00F2 avere una foto, fino a tre file allegati e il registro dei lavori svolti. "
             "Le schede sono conservate nel file Archivio_Dipendenti.pro della cartella del programma, le "
             "foto nella cartella Anagrafica."),
         QStringLiteral(
             "All'apertura la finestra \u00E8 pronta per una nuova scheda. Con il tasto Invio si passa da un "
             "campo al successivo; il campo in cui si scrive si colora di giallo. Il sesso, il codice fiscale "
             "e l'IBAN si scrivono sempre in maiuscolo, mentre il cellulare e la partita IVA accettano "
             "soltanto cifre. Per salvare una scheda sono obbligatori il cognome e nome, il sesso, il numero "
             "di cellulare, la qualifica e il reparto: se ne manca uno, il programma lo segnala e porta sul "
             "campo da completare. Premendo Salva la scheda entra in archivio e il suo numero compare "
             "accanto alla voce \"Scheda n.\"; premendo di nuovo Salva si registrano le modifiche. Con i "
             "pulsanti accanto ai campi si controllano il codice fiscale, la partita IVA e l'IBAN e si scrive "
             "una e-mail al dipendente."),
         QStringLiteral(
             "Per inserire un dipendente simile a uno gi\u00E0 in archivio, ad esempio dello stesso reparto, "
             "si apre la sua scheda e si preme Duplica: i dati restano sullo schermo, mentre la foto e i file "
             "allegati vengono tolti; dopo le modifiche, Salva inserisce la copia come nuova scheda, senza "
             "toccare quella di partenza."),
         QStringLiteral(
             "La foto si carica da un file JPEG o Bitmap con il pulsante Carica foto, oppure si scatta con "
             "la webcam: premere il pulsante della webcam, poi Accendi webcam, Cattura foto quando "
             "l'immagine \u00E8 quella giusta e infine Importa foto in scheda. La foto catturata si pu\u00F2 "
             "anche salvare in un file con Salva foto su disco. Se al computer non \u00E8 collegata nessuna "
             "webcam, il programma lo dice. La foto viene conservata insieme alla scheda soltanto quando si "
             "preme Salva; i pulsanti sotto la foto permettono anche di salvarla in un file, di toglierla e "
             "di vederla a schermo intero."),
         QStringLiteral(
             "Lo slide show mostra a tutto schermo le foto di tutti i dipendenti, una dopo l'altra, ogni sei "
             "secondi; dopo l'ultima ricomincia dalla prima. Per chiuderlo basta un clic sulla foto."),
         QStringLiteral("Il pulsante Trova apre la ricerca: si compilano uno o pi\u00F9 campi, come il reparto o la "
                        "qualifica, e si preme Cerca; l'elenco mostra i dipendenti che contengono tutti i testi "
                        "indicati, senza distinguere maiuscole e minuscole. Con un doppio clic su una voce la scheda e "
                        "la sua foto tornano nella finestra dell'anagrafica. L'elenco trovato si pu\u00F2 anche "
                        "stampare."),
         QStringLiteral(
             "Con il pulsante Allegati si collegano alla scheda fino a tre file, ciascuno con una breve "
             "descrizione: ad esempio il curriculum, il contratto o una copia del documento d'identit\u00E0. "
             "Gli allegati entrano in archivio al successivo salvataggio della scheda."),
         QStringLiteral("Il pulsante Lavori svolti, disponibile dopo aver salvato la scheda, apre il registro delle "
                        "attivit\u00E0 del dipendente: per ognuna si annotano la data, il tipo di lavoro, il luogo, "
                        "l'orario e il totale delle ore. Aggiungi attivit\u00E0 ne registra una nuova, Modifica "
                        "attivit\u00E0 corregge quella scelta nell'elenco, Trova cerca una parola fra le voci e Stampa "
                        "riepilogo stampa l'elenco con il numero delle attivit\u00E0 registrate."),
         QStringLiteral(
             "Con Anteprima si vede la scheda come verr\u00E0 stampata, con la foto in grande e tutti i dati "
             "in riquadri; con Stampa la si manda alla stampante. Si stampa ci\u00F2 che \u00E8 sullo "
             "schermo, anche prima di averlo salvato.")}};
}
