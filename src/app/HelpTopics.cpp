#include "app/HelpTopics.h"

#include "appuntamenti/AgendaHelp.h"
#include "appuntamenti/AppuntamentiHelp.h"
#include "appuntamenti/RiepCostiHelp.h"
#include "chiamate/ChiamateHelp.h"
#include "clienti/ClientiExportHelp.h"
#include "clienti/ClientiHelp.h"
#include "dipendenti/DipendentiHelp.h"
#include "libri/LibriHelp.h"
#include "pratiche/PraticheHelp.h"
#include "protocollo/ProtocolloHelp.h"

// Each app gives its topics through functions in its own folder, e.g.
//   HelpTopic clientiHelpTopic();   (src/clienti/)
// Include its header here and list the topic below, in its place.

namespace HelpTopics {

QList<HelpTopic> guides() {
    // In tile order: Anagrafica Dipendenti, Clienti e Servizi, Registro
    // Chiamate, Archivio Pratiche, Schedario Libri, Protocollo Posta, Agenda
    // Appuntamenti (with Schedario Appuntamenti), Riepilogo Incassi.
    return {
        dipendentiHelpTopic(),
        clientiHelpTopic(),
        chiamateHelpTopic(),
        praticheHelpTopic(),
        libriHelpTopic(),
        protocolloHelpTopic(),
        schedarioAppuntamentiHelpTopic(),
        agendaHelpTopic(),
        riepCostiHelpTopic(),
    };
}

QList<HelpTopic> others() {
    // Exports, summaries and histories of the apps, in tile order.
    return {
        expClientiHelpTopic(),     storicoChiamateHelpTopic(), riepChiamateOggiHelpTopic(),
        expChiamateHelpTopic(),    expPraticheHelpTopic(),     visualizzazioneAppuntamentiHelpTopic(),
        expScadenzarioHelpTopic(), riepProtocolloHelpTopic(),  expProtocolloHelpTopic(),
    };
}

QString generalTitle() { return QStringLiteral("Uno sguardo a Plenaro"); }

QStringList introduction() {
    return {
        QStringLiteral(
            "Plenaro raccoglie in un solo programma gli strumenti di lavoro di ogni giorno di uno studio "
            "professionale, di un'agenzia o di un centro di chiamate. La finestra di avvio presenta otto app, "
            "che hanno tutte lo stesso aspetto e si usano allo stesso modo: Anagrafica Dipendenti, per il "
            "personale, le foto e il lavoro svolto da ciascuno; Clienti e Servizi, per le schede dei clienti e i "
            "servizi prestati; Registro Chiamate, per le telefonate ricevute ed effettuate; Archivio Pratiche, per "
            "le pratiche con i loro documenti; Schedario Libri, per il catalogo dei libri dello studio; Protocollo "
            "Posta, per la corrispondenza in arrivo, in partenza e interna; Agenda Appuntamenti, per gli impegni "
            "e i promemoria; Riepilogo Incassi, per gli importi degli appuntamenti di un periodo. Per aprire "
            "un'app basta fare clic sulla sua immagine o sul suo nome; chiudendo la finestra dell'app si torna "
            "alla finestra di avvio. In ogni app le informazioni sono raccolte in schede, che si scorrono con i "
            "pulsanti di spostamento e si possono creare, salvare, duplicare, cercare, stampare ed esportare in "
            "un foglio di calcolo."),
    };
}

QStringList closing() {
    return {
        QStringLiteral(
            "Plenaro non ha bisogno di installazione: il programma e tutti i suoi archivi stanno in un'unica "
            "cartella. Copiando questa cartella su una chiavetta USB o su un disco esterno, Plenaro si avvia "
            "anche da lì, con tutti i suoi dati. La stessa copia è anche il modo più rapido per mettere al sicuro "
            "tutti gli archivi: conviene farla con regolarità, per esempio alla fine di ogni settimana, e "
            "conservarla lontano dal computer dello studio."),
        QStringLiteral(
            "L'accesso al programma è protetto da una password, la stessa per tutte le persone che usano "
            "l'installazione. Per cambiarla, nella finestra di autenticazione premere \"Cambia password\", "
            "scrivere la password attuale e due volte quella nuova, quindi premere OK. Nella password le lettere "
            "maiuscole e minuscole si equivalgono; può essere lunga fino a 255 caratteri."),
        QStringLiteral(
            "Gli archivi possono essere condivisi fra le postazioni di una rete locale: basta tenere la cartella "
            "di Plenaro in una cartella condivisa della rete e avviare il programma da ciascuna postazione. Ogni "
            "archivio resta aperto solo per il tempo di una singola operazione e due postazioni non vi scrivono "
            "mai nello stesso istante; è bene però che la stessa scheda non sia modificata da due persone "
            "contemporaneamente, perché resta valido l'ultimo salvataggio."),
        QStringLiteral(
            "In ogni app il pulsante della guida spiega come usarla. Tutte le guide sono raccolte anche in un "
            "documento da leggere o stampare, che si apre con il collegamento \"Visualizza guida in formato "
            "PDF\" della finestra della guida."),
    };
}

HelpTopic general() {
    HelpTopic t{generalTitle(), introduction()};
    for (const HelpTopic& g : guides()) t.paragraphs += g.paragraphs;
    t.paragraphs += closing();
    return t;
}

QList<HelpTopic> all() {
    QList<HelpTopic> list{general()};
    list += guides();
    list += others();
    return list;
}

std::optional<HelpTopic> find(const QString& title) {
    for (const HelpTopic& t : all())
        if (t.title == title) return t;
    return std::nullopt;
}

}  // namespace HelpTopics
