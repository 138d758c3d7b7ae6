#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/TfrmArchivio_Scadenze.h"
#include "archive/CallFields.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "archive/RecordWindow.h"
#include "chiamate/TfrmChiamate.h"
#include "clienti/TfrmClienti.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmDipendenti.h"
#include "libri/BookFields.h"
#include "libri/TfrmLibri.h"
#include "pratiche/CaseFields.h"
#include "pratiche/TfrmPratica.h"
#include "protocollo/ProtocolFields.h"
#include "protocollo/TfrmProtocollo.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PictureButton.h"

// What every card window shares with the others: Enter walks its fields in
// the order of its card, each control with a hint shows it in the status
// line, and the whole card fits a 1366×768 screen.
namespace {

using Hints = std::vector<std::pair<const char*, const char*>>;

struct Card {
    const char* name;
    const char* ready;  // the status line before the mouse moves over the window
    std::function<std::unique_ptr<TRecordWindow>()> make;
    const RecordLayout& layout;
    // The Enter ring in runs: Enter in each control of a run moves the focus
    // to the next one. A run stops where Enter does something else (in a
    // date field it opens the calendar); a run that goes round names its
    // first control again at its end.
    std::vector<QStringList> enter;
    // Every control of the window with a hint, and its hint.
    Hints hints;
    // Fields of the card the user never sees (attached files, values worked
    // out from others).
    QStringList unseen;
};

// What takes the mouse itself rather than being the window's background.
bool isControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w);
}

template <class Window>
std::unique_ptr<TRecordWindow> make() {
    return std::make_unique<Window>();
}

const char* const kArchiviare = "Pronto per archiviare una nuova scheda...";
const char* const kPrimo = "Visualizza la prima scheda in archivio.";
const char* const kIndietro = "Visualizza la scheda precedente in archivio.";
const char* const kAvanti = "Visualizza la scheda successiva in archivio.";
const char* const kUltimo = "Visualizza l'ultima scheda in archivio.";
const char* const kTrova = "Trova una scheda in archivio.";
const char* const kEsci = "Esci da questa schermata di lavoro.";
const char* const kEmail = "Invia una e-mail all'indirizzo indicato.";
const char* const kCodFisc = "Controlla il codice fiscale.";
const char* const kPartitaIva = "Controlla il numero di partita IVA.";
const char* const kCliente = "Importa i dati dall'archivio anagrafico dei clienti.";
const char* const kOggi = "Inserisci la data corrente.";

QStringList attachments() { return {"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"}; }

const std::vector<Card>& cards() {
    static const std::vector<Card> all = {
        {"clienti",
         kArchiviare,
         make<TfrmClienti>,
         ClientFields::get().layout(),
         {{"txtCliente",      "txtDataNasc",   "txtComuneNasc", "txtProvNasc",  "txtSesso",       "txtRecapito",
           "txtIndirizzoRes", "txtProvRes",    "txtComuneRes",  "txtCapRes",    "txtEstremi",     "txtTelCasa",
           "txtTelUff",       "txtTelCel",     "txtFax",        "txtEmail",     "txtCodFisc",     "txtCarta",
           "txtScadeCarta",   "txtPartitaIva", "txtIban",       "txtDocumento", "txtOccupazione", "txtCivile",
           "txtTitoli",       "txtProdotti",   "txtZona",       "txtQuestioni", "txtNote",        "txtCliente"}},
         {
             {"cmdPrimo", kPrimo},
             {"cmdIndietro", kIndietro},
             {"cmdAvanti", kAvanti},
             {"cmdUltimo", kUltimo},
             {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
             {"cmdSalva", "Salva la scheda corrente in archivio."},
             {"cmdDuplica",
              "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
             {"cmdTrova", kTrova},
             {"cmdStampa", "Stampa la scheda corrente."},
             {"cmdAnteprima", "Visualizza l'anteprima di stampa."},
             {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
             {"cmdGuida", "Visualizza la guida in linea."},
             {"cmdEsci", "Esci dalla schermata di lavoro corrente."},
             {"cmdPDF", "Esporta la scheda in formato PDF."},
             {"cmdFile", "Allega file alla scheda corrente."},
             {"cmdRicontatta", "Visualizza il riepilogo dei clienti da ricontattare."},
             {"btnEmail", kEmail},
             {"btnCodFisc", kCodFisc},
             {"btnPartitaIva", kPartitaIva},
             {"btnIban", "Controlla l'IBAN."},
             {"btnCarta", "Controlla il numero di carta di credito."},
             {"btnChiamate",
              "Visualizza lo storico delle telefonate del cliente archiviate nel registro delle chiamate."},
             {"btnProve", "Visualizza il riepilogo dei servizi forniti al cliente."},
             {"chkRicontatta", "Annota che il cliente \u00E8 da ricontattare per questioni in sospeso."},
         },
         attachments()},
        {"chiamate",
         "Pronto per stampare una nuova scheda...",
         make<TfrmChiamate>,
         CallFields::get().layout(),
         {{"txtGiornoRit", "txtMeseRit", "lblAnnoRit", "txtOreRit", "txtMinutiRit", "txtTipo", "txtOggetto", "txtEsito",
           "txtGrado", "txtDurata", "txtCliente", "txtCodFisc", "txtZona", "txtRecapito", "txtTelCel", "txtEmail",
           "txtNote", "txtOperatore", "txtGiornoRit"}},
         {
             {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
             {"cmdDuplica",
              "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
             {"cmdSalva", "Salva la scheda corrente in archivio."},
             {"cmdTrova", kTrova},
             {"cmdStampa", "Stampa la scheda corrente."},
             {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
             {"cmdPrimo", kPrimo},
             {"cmdIndietro", kIndietro},
             {"cmdAvanti", kAvanti},
             {"cmdUltimo", kUltimo},
             {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
             {"cmdRiepOggi", "Visualizza il riepilogo delle chiamate di oggi."},
             {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
             {"cmdEsci", kEsci},
             {"impCliente", kCliente},
             {"impRitiro", kOggi},
             {"impOraRit", "Inserisci l'ora corrente."},
             {"btnCodFisc", kCodFisc},
             {"btnEmail", kEmail},
         },
         {"DataChiamata", "OraChiamata"}},
        {"protocollo",
         kArchiviare,
         [] {
             auto w = std::make_unique<TfrmProtocollo>();
             w->openYear("2026");
             return std::unique_ptr<TRecordWindow>(std::move(w));
         },
         ProtocolFields::get().layout(),
         {{"txtNumero", "txtDataReg"},
          {"txtUfficio", "txtOperatore", "txtCategoria", "txtCollocazione", "txtOggetto", "txtDataSpe", "txtDataRic",
           "txtFormato", "txtPagine", "txtRiferimenti", "txtNote", "txtMittente", "txtRecapitoMit", "txtDestinatario",
           "txtRecapitoDes", "txtCopia", "txtNumero"}},
         {
             {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
             {"cmdSalva", "Salva la scheda corrente in archivio."},
             {"cmdTrova", kTrova},
             {"cmdRiepilogo", "Visualizza il riepilogo dei documenti protocollati in un intervallo di tempo."},
             {"cmdFile", "Allega file alla scheda corrente."},
             {"cmdStampa", "Stampa la scheda corrente."},
             {"cmdPrimo", kPrimo},
             {"cmdIndietro", kIndietro},
             {"cmdAvanti", kAvanti},
             {"cmdUltimo", kUltimo},
             {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
             {"cmdNumerazione", "Imposta il numero iniziale per la numerazione del protocollo."},
             {"cmdGuida", "Visualizza la guida in linea."},
             {"cmdEsci", kEsci},
             {"txtDataReg",
              "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
             {"btnSfoglia", "Seleziona il file da allegare alla scheda corrente."},
             {"btnApri", "Apri il file allegato alla scheda corrente."},
             {"imgCancella01", "Cancella il percorso del file allegato alla scheda corrente."},
         },
         attachments()},
        {"appuntamenti",
         kArchiviare,
         make<TfrmArchivio_Scadenze>,
         AppointmentFields::get().layout(),
         {{"txtOreApp", "txtMinutiApp", "txtAvviso", "txtTipologia", "txtCausale", "txtDettagli", "txtContatto",
           "txtTel", "txtCel", "txtEmail", "txtLuogo", "txtImporto", "txtNote", "txtData"}},
         {
             {"cmdPrimo", kPrimo},
             {"cmdIndietro", kIndietro},
             {"cmdAvanti", kAvanti},
             {"cmdUltimo", kUltimo},
             {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
             {"cmdDuplica",
              "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
             {"cmdSalva", "Salva la scheda corrente in archivio."},
             {"cmdTrova", kTrova},
             {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
             {"cmdStampa", "Stampa la scheda corrente."},
             {"cmdEsporta", "Esporta l'archivio in un file di Excel."},
             {"cmdAssolti", "Visualizza il riepilogo degli impegni assolti."},
             {"cmdDaAssolvere", "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."},
             {"cmdScaduti", "Visualizza il riepilogo degli impegni scaduti e non assolti."},
             {"cmdGuida", "Visualizza la guida in linea."},
             {"cmdEsci", kEsci},
             {"impData", "Importa la data dal calendario."},
             {"impContatto", kCliente},
             {"btnEmail", kEmail},
             {"btnWhatsApp", "Invia conferma appuntamento al cliente tramite WhatsApp."},
             {"chkOttemperata", "Spunta questa casella per indicare che l'impegno \u00E8 stato assolto."},
         },
         {"Ora"}},
        {"pratiche",
         kArchiviare,
         make<TfrmPratica>,
         CaseFields::get().layout(),
         {{"txtOggetto",   "txtTipologia", "txtProtocollo", "txtApertura", "txtChiusura",   "txtStato",
           "txtDocumenti", "txtUffici",    "txtConsulente", "txtCliente",  "txtRecapito",   "txtIndirizzoRes",
           "txtComuneRes", "txtProvRes",   "txtCapRes",     "txtCodFisc",  "txtPartitaIva", "txtSaldati",
           "txtSospesi",   "txtNote",      "txtOggetto"}},
         {
             {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
             {"cmdSalva", "Salva la scheda corrente in archivio."},
             {"cmdTrova", kTrova},
             {"cmdStampa", "Stampa la scheda corrente."},
             {"cmdAnteprima", "Visualizza l'anteprima di stampa."},
             {"cmdPrimo", kPrimo},
             {"cmdIndietro", kIndietro},
             {"cmdAvanti", kAvanti},
             {"cmdUltimo", kUltimo},
             {"cmdExcel", "Esporta le schede in archivio in un file di Microsoft Excel."},
             {"cmdUrgente", "Visualizza il riepilogo delle pratiche urgenti."},
             {"cmdAllega", "Allega file alla scheda corrente."},
             {"cmdCartella", "Gestisci la cartella abbinata alla scheda corrente."},
             {"cmdGuida", "Visualizza la guida in linea."},
             {"cmdEsci", "Esci dalla schermata di lavoro corrente."},
             {"btnElenco", "Visualizza l'elenco dettagliato dei documenti associati alla pratica."},
             {"chkUrgente", "Contrassegna la pratica come urgente."},
             {"impCliente", kCliente},
             {"impApertura", kOggi},
             {"impChiusura", kOggi},
             {"btnCodFisc", kCodFisc},
             {"btnPartitaIva", kPartitaIva},
         },
         // The documents and the attachments after the first 21 fields.
         [] {
             QStringList unseen;
             const RecordLayout& l = CaseFields::get().layout();
             for (int i = 21; i < l.fieldCount(); ++i) unseen << l.fields()[size_t(i)].name;
             return unseen;
         }()},
        {"dipendenti",
         kArchiviare,
         make<TfrmDipendenti>,
         EmployeeFields::get().layout(),
         {{"txtDipendente", "txtSesso",         "txtDataNasc", "txtCittadinanza", "txtLuogoNasc", "txtIndirizzo",
           "txtCitta",      "txtCap",           "txtNazione",  "txtCodFisc",      "txtCivile",    "txtPartitaIva",
           "txtStudio",     "txtLingue",        "txtEmail",    "txtTel",          "txtCel",       "txtQualifica",
           "txtReparto",    "txtDisponibilita", "txtMansioni", "txtIban",         "txtDataAss",   "txtRetribuzione",
           "txtNote",       "txtDipendente"}},
         {
             {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
             {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
             {"cmdSalva", "Salva la scheda in archivio."},
             {"cmdTrova", kTrova},
             {"cmdStampa", "Stampa la scheda."},
             {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda."},
             {"cmdPrimo", kPrimo},
             {"cmdIndietro", kIndietro},
             {"cmdAvanti", kAvanti},
             {"cmdUltimo", kUltimo},
             {"cmdSlideshow", "Esegui lo slide show."},
             {"cmdFile", "Allega file alla scheda."},
             {"cmdGuida", "Visualizza la guida."},
             {"cmdEsci", kEsci},
             {"btnCaricaFoto", "Carica una foto esistente."},
             {"btnSalvaFoto", "Salva la foto su disco."},
             {"btnCancFoto", "Cancella la foto."},
             {"btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali."},
             {"btnWebcam", "Cattura la foto con una webcam."},
             {"btnCodFisc", kCodFisc},
             {"btnPartitaIva", kPartitaIva},
             {"btnIban", "Controlla l'IBAN."},
             {"btnEmail", kEmail},
             {"btnLavori", "Registra i lavori svolti dal dipendente."},
         },
         attachments()},
        {"libri",
         kArchiviare,
         make<TfrmLibri>,
         BookFields::get().layout(),
         {{"txtTitolo",  "txtAutore",   "txtNazione",   "txtAnno",      "txtEditore",   "txtCitta",
           "txtDewey",   "txtGenere",   "txtISBN",      "txtLingua",    "txtOriginale", "txtTraduttore",
           "txtCollana", "txtCuratore", "txtPosizione", "txtEtichetta", "txtFormato",   "txtVolumi",
           "txtPagine",  "txtPrezzo",   "txtGiudizio",  "txtNote",      "txtTitolo"}},
         {
             {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
             {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
             {"cmdSalva", "Salva la scheda in archivio."},
             {"cmdTrova", kTrova},
             {"cmdStampa", "Stampa la scheda."},
             {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda."},
             {"cmdPrimo", kPrimo},
             {"cmdIndietro", kIndietro},
             {"cmdAvanti", kAvanti},
             {"cmdUltimo", kUltimo},
             {"cmdSlideshow", "Esegui lo slide show del catalogo di libri."},
             {"cmdFile", "Allega file alla scheda."},
             {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
             {"cmdEsci", kEsci},
             {"btnDewey", "Visualizza la Tabella dei Codici Dewey."},
             {"btnCaricaFoto", "Carica una foto esistente."},
             {"btnSalvaFoto", "Salva la foto su disco."},
             {"btnCancFoto", "Cancella la foto."},
             {"btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali."},
         },
         attachments()},
    };
    return all;
}

// A point where the mouse is over the widget itself, not over one of its
// children or another widget in front of it; none when it is all covered.
std::optional<QPoint> bareSpot(QWidget* window, QWidget* c) {
    for (int y = 1; y < c->height(); y += 3)
        for (int x = 1; x < c->width(); x += 3)
            if (window->childAt(c->mapTo(window, QPoint(x, y))) == c) return QPoint(x, y);
    return std::nullopt;
}

class CardWindows : public SeamsTest, public WindowDriver, public ::testing::WithParamInterface<size_t> {
protected:
    const Card& card = cards()[GetParam()];
    std::unique_ptr<TRecordWindow> w = card.make();

    void SetUp() override {
        QCursor::setPos(-100, -100);  // the mouse away from the window as it opens
        drive(w.get());
        showActive(w.get());
    }
};

}  // namespace

TEST_P(CardWindows, EnterMovesAlongTheRing) {
    for (const QStringList& run : card.enter) expectEnterRing(run);
    EXPECT_TRUE(seams.modals.empty());
}

// Every named widget of the window is visited: a control that shows a hint
// must be in the table with that hint, each of the table shows its own, and
// the background under the others empties the line again.
TEST_P(CardWindows, EachControlWithAHintShowsItInTheStatusLine) {
    auto* info = child<QLabel>(w.get(), "panInfo");
    EXPECT_EQ(info->text(), QString::fromUtf8(card.ready));
    std::map<std::string, std::string> expected, shown;
    for (const auto& [control, hint] : card.hints) expected[control] = hint;
    QWidget* hinted = ctl(card.hints.front().first);
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (c == info || c->objectName().isEmpty() || c->objectName().startsWith("qt_") || !c->isVisible()) continue;
        const std::optional<QPoint> spot = bareSpot(w.get(), c);
        if (!spot) continue;
        QTest::mouseMove(ctl("lblPosizione"));
        ASSERT_EQ(info->text(), QString());
        QTest::mouseMove(c, *spot);
        if (!info->text().isEmpty()) {
            shown[c->objectName().toStdString()] = info->text().toStdString();
        } else if (!isControl(c)) {
            QTest::mouseMove(hinted);
            QTest::mouseMove(c, *spot);
            EXPECT_EQ(info->text(), QString()) << c->objectName().toStdString() << " is background";
        }
    }
    EXPECT_EQ(shown, expected);

    // The hint is the control's tooltip too; a picture button has a name a
    // screen reader says.
    for (const auto& [control, hint] : card.hints)
        EXPECT_EQ(ctl(control)->toolTip(), QString::fromUtf8(hint)) << control;
    for (TPictureButton* b : w->findChildren<TPictureButton*>())
        EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();
}

TEST_P(CardWindows, FitsA1366By768ScreenWithEveryField) { expectFieldsFitTheScreen(*w, card.layout, card.unseen); }

INSTANTIATE_TEST_SUITE_P(Cards, CardWindows, ::testing::Range(size_t(0), cards().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return std::string(cards()[info.param].name);
                         });

TEST(CardWindowNames, TheEmailButtonSaysWhomItWritesTo) {
    Seams seams;
    struct Case {
        std::function<std::unique_ptr<TRecordWindow>()> make;
        const char* spoken;
    };
    const Case cases[] = {
        {make<TfrmClienti>, "Invia una e-mail al cliente"},
        {make<TfrmChiamate>, "Invia una e-mail al cliente"},
        {make<TfrmArchivio_Scadenze>, "Invia una e-mail al cliente"},
        {make<TfrmDipendenti>, "Invia una e-mail al dipendente"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TRecordWindow> w = c.make();
        EXPECT_EQ(child<TPictureButton>(w.get(), "btnEmail")->accessibleName(), QString::fromUtf8(c.spoken))
            << w->objectName().toStdString();
    }
}
