#include "appuntamenti/RiepCostiHelp.h"

#include "appuntamenti/TfrmRiepCosti.h"

HelpTopic riepCostiHelpTopic() {
    return {TfrmRiepCosti::kHelpTitle,
            {QStringLiteral(
                 "Il Riepilogo Incassi somma gli importi degli appuntamenti fissati con i clienti in un periodo a "
                 "scelta. Non ha un archivio proprio: legge le schede dello Schedario Appuntamenti, dove ogni "
                 "appuntamento porta con s\u00E9 il cliente, i servizi richiesti e l'importo, e conta tutti gli "
                 "appuntamenti del periodo, sia quelli gi\u00E0 assolti sia quelli ancora da assolvere. Nulla viene "
                 "modificato."),
             QStringLiteral(
                 "Nella prima finestra si scrive l'anno solare di interesse, con quattro cifre (all'apertura \u00E8 "
                 "proposto l'anno in corso), e si scelgono dagli elenchi a cascata il giorno e il mese di inizio e "
                 "di fine dell'intervallo: pu\u00F2 essere lungo un solo giorno, qualche settimana o l'intero anno, "
                 "ed entrambe le date sono comprese. Per limitare il riepilogo a un cliente basta scriverne una "
                 "parte del nome, oppure importarlo dall'archivio dei clienti con l'icona accanto al campo; allo "
                 "stesso modo si possono indicare i servizi richiesti. Lasciando in bianco questi due campi, il "
                 "riepilogo comprende tutti i clienti e tutti i servizi. Infine si preme Visualizza riepilogo."),
             QStringLiteral(
                 "Il riepilogo elenca gli appuntamenti dell'intervallo in ordine di data e ora: ogni riga comincia "
                 "con un codice formato da anno, mese, giorno, ora e minuti, seguito da data, ora, servizi "
                 "richiesti, cliente, cellulare e importo. In fondo alla finestra si leggono l'intervallo "
                 "selezionato e il totale degli importi. Se una scheda ha una data o un importo che non si "
                 "riesce a leggere, resta fuori dal riepilogo e dal totale, e un avviso dice quante sono le "
                 "schede escluse e il numero della prima, cos\u00EC da poterla correggere nello schedario."),
             QStringLiteral(
                 "Il campo in basso cerca una o pi\u00F9 parole consecutive nelle righe dell'elenco: premendo di "
                 "nuovo Trova ci si sposta sulla riga successiva che le contiene, e il testo cercato resta pronto "
                 "anche alla successiva apertura del riepilogo. Stampa riepilogo, dopo una conferma, manda alla "
                 "stampante l'elenco con il nome del cliente nel titolo e, in coda, l'intervallo e il totale degli "
                 "importi. Esci riporta alla prima finestra, che conserva i filtri e il periodo scelti.")}};
}
