#include "libri/LibriHelp.h"

#include "libri/TfrmLibri.h"

HelpTopic libriHelpTopic() {
    return {
        TfrmLibri::kHelpTitle,
        {QStringLiteral(
             "L'app Schedario Libri tiene il catalogo della biblioteca dello studio, con una scheda per ogni "
             "volume: il titolo, l'autore e la sua nazione, l'anno, la casa editrice e la citt\u00E0 di "
             "pubblicazione, il codice Dewey, il genere, il codice ISBN, la lingua, il titolo originale e il "
             "traduttore, la collana e il curatore, la posizione sullo scaffale e il codice riportato "
             "sull'etichetta, il formato, il numero dei volumi e delle pagine, il prezzo, un giudizio critico "
             "e le note. Le schede sono conservate nel file Archivio_Libri.pro della cartella del programma, "
             "le copertine nella cartella Copertine_Libri."),
         QStringLiteral(
             "All'apertura la finestra \u00E8 pronta per una nuova scheda. Con il tasto Invio si passa da un "
             "campo al successivo, nell'ordine della scheda; il campo in cui si scrive si colora di giallo. I "
             "testi si scrivono liberamente, senza controlli sul formato: anno, pagine e prezzo possono "
             "contenere anche parole. Per salvare una scheda bastano il titolo e l'autore: se ne manca uno, "
             "il programma lo segnala e porta sul campo da completare. Premendo Salva la scheda entra in "
             "archivio e il suo numero compare accanto alla voce \"Scheda n.\"; premendo di nuovo Salva si "
             "registrano le modifiche."),
         QStringLiteral(
             "Il codice Dewey indica la classe del libro secondo la Classificazione Decimale Dewey. Si pu\u00F2 "
             "scrivere a mano, oppure importare dalla tabella dei codici che si apre con il pulsante accanto "
             "al campo: la tabella compare dopo un istante, si scorre o si cerca scrivendo una parola, ad "
             "esempio narrativa, e premendo Trova, che a ogni pressione passa alla voce successiva. Con un "
             "doppio clic su una voce il suo codice di tre cifre entra nella scheda. La tabella si pu\u00F2 "
             "anche stampare."),
         QStringLiteral(
             "La copertina si carica da un file JPEG o Bitmap con il pulsante Carica foto e viene adattata "
             "al riquadro senza deformarla. I pulsanti sotto la copertina permettono anche di salvarla in un "
             "file, di toglierla e di vederla a schermo intero. La copertina viene conservata insieme alla "
             "scheda soltanto quando si preme Salva; se non \u00E8 possibile conservarla, il programma lo "
             "dice e la scheda resta comunque salvata."),
         QStringLiteral(
             "Per catalogare un'opera in pi\u00F9 volumi, o una nuova edizione di un libro gi\u00E0 in "
             "archivio, si apre la sua scheda e si preme Duplica: i dati restano sullo schermo, mentre la "
             "copertina e i file allegati vengono tolti; dopo le modifiche, ad esempio il numero del volume, "
             "Salva inserisce la copia come nuova scheda, senza toccare quella di partenza."),
         QStringLiteral("Con il pulsante Allegati si collegano alla scheda fino a tre file di qualsiasi tipo, ciascuno "
                        "con una breve descrizione: ad esempio una recensione, l'indice o la fattura d'acquisto. Gli "
                        "allegati entrano in archivio al successivo salvataggio della scheda."),
         QStringLiteral("Il pulsante Trova apre la ricerca: si compilano uno o pi\u00F9 campi, come l'autore, la casa "
                        "editrice o il codice Dewey, e si preme Cerca; l'elenco mostra i libri che contengono tutti i "
                        "testi indicati, senza distinguere maiuscole e minuscole, con il titolo, l'autore, l'editore e "
                        "l'anno. Con un doppio clic su una voce la scheda e la sua copertina tornano nello schedario. "
                        "L'elenco trovato si pu\u00F2 anche stampare."),
         QStringLiteral(
             "Lo slide show mostra a tutto schermo le copertine di tutti i libri, una dopo l'altra, ogni sei "
             "secondi; dopo l'ultima ricomincia dalla prima. Per chiuderlo basta un clic sulla copertina."),
         QStringLiteral(
             "Con Anteprima si vede la scheda come verr\u00E0 stampata, con la copertina in grande e tutti i "
             "dati in riquadri; con Stampa la si manda alla stampante. Si stampa ci\u00F2 che \u00E8 sullo "
             "schermo, anche prima di averlo salvato.")}};
}
