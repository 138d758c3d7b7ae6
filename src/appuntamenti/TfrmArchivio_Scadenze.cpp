#include "appuntamenti/TfrmArchivio_Scadenze.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "appuntamenti/AppointmentExports.h"
#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/CommitmentSummaries.h"
#include "appuntamenti/SchedaAppuntamento.h"
#include "appuntamenti/TfrmStampaScadenza.h"
#include "appuntamenti/TfrmTrovaScadenze.h"
#include "appuntamenti/WhatsApp.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/PictureButton.h"
#include "ui/TfrmCalendario.h"

namespace {

const AppointmentFields& f = AppointmentFields::get();

}  // namespace

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget* owner) : TRecordWindow(AppointmentFields::get(), owner) {
    setObjectName(QStringLiteral("frmArchivio_Scadenze"));
    setWindowTitle(QStringLiteral(" Plenaro - Schedario Appuntamenti"));
    buildSections();

    RecordWindowDescription desc;
    addStandardButtons(
        desc, {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva", "cmdDuplica", "cmdTrova"});
    desc.buttons.push_back(
        standardButton("cmdAnteprima", QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente.")));
    desc.buttons.push_back(standardButton("cmdStampa"));
    desc.buttons.push_back(standardButton("cmdEsporta", QStringLiteral("Esporta l'archivio in un file di Excel.")));
    desc.buttons.push_back({"cmdAssolti", ":/img/btn/assolti.svg", "Assolti",
                            "Visualizza il riepilogo degli impegni assolti.", "Impegni assolti",
                            [this] { cmdAssoltiClick(); }});
    desc.buttons.push_back({"cmdDaAssolvere", ":/img/btn/daassolvere.svg", "Da assolvere",
                            "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non.",
                            "Impegni da assolvere", [this] { cmdDaAssolvereClick(); }});
    desc.buttons.push_back({"cmdScaduti", ":/img/btn/scaduti.svg", "Scaduti",
                            "Visualizza il riepilogo degli impegni scaduti e non assolti.",
                            "Impegni scaduti e non assolti", [this] { cmdScadutiClick(); }});
    desc.buttons.push_back(standardButton("cmdGuida"));
    desc.buttons.push_back(standardButton("cmdEsci", QStringLiteral("Esci da questa schermata di lavoro.")));
    desc.fileName = ArchiveFiles::Appuntamenti;
    desc.helpTitle = kHelpTitle;
    // The amount and the days of notice are written by their leaving rules.
    desc.focusAwayBeforeSave = true;
    desc.duplicateClears = {};
    FormCreate(desc);
}

void TfrmArchivio_Scadenze::buildSections() {
    using Controls::withButton;

    // (1) When: the date from the calendar, the hour and minutes from their lists.
    QGridLayout* g = addSection(QStringLiteral("sezAppuntamento"), QStringLiteral("appuntamento"),
                                QStringLiteral("Data e ora dell'appuntamento"), 0);
    QVBoxLayout* data = labeledField(f.Data);
    g->addLayout(withButton(data, fieldButton("impData", ":/img/btn/data.svg", "Scegli la data dal calendario",
                                              "Importa la data dal calendario.", f.Data, [this] { impDataClick(); })),
                 0, 0, Qt::AlignBottom);
    placeField(g, 0, 1, 1, f.OreApp);
    placeField(g, 0, 2, 1, f.MinutiApp);
    QWidget* avviso = placeField(g, 0, 3, 1, f.Avviso);
    // Left empty, the notice is no days at all.
    TypingRules::onExit(avviso, [](const QString& s) { return Text::trim(s).isEmpty() ? QStringLiteral("0") : s; });
    g->setColumnStretch(4, 1);
    addField(f.Ora);

    // (2) Who serves the client, and what for.
    g = addSection(QStringLiteral("sezServizi"), QStringLiteral("servizi_richiesti"),
                   QStringLiteral("Agente e servizi richiesti"), 4);
    placeField(g, 0, 0, 2, f.Tipologia);
    placeField(g, 1, 0, 4, f.Causale);
    placeField(g, 2, 0, 4, f.Dettagli);

    // (3) The client, imported from the client archive or typed.
    g = addSection(QStringLiteral("sezCliente"), QStringLiteral("anagrafica"), QStringLiteral("Dati del cliente"), 3);
    QVBoxLayout* contatto = labeledField(f.Contatto);
    g->addLayout(withButton(contatto, fieldButton("impContatto", ":/img/btn/cliente.svg", "Importa un cliente",
                                                  "Importa i dati dall'archivio anagrafico dei clienti.", f.Contatto,
                                                  [this] { impContattoClick(); })),
                 0, 0, 1, 3);
    placeField(g, 1, 0, 1, f.Tel);
    QVBoxLayout* cel = labeledField(f.Cel);
    g->addLayout(withButton(cel, fieldButton("btnWhatsApp", ":/img/btn/conferma_whatsapp.svg",
                                             "Conferma l'appuntamento tramite WhatsApp",
                                             "Invia conferma appuntamento al cliente tramite WhatsApp.", f.Cel,
                                             [this] { btnWhatsAppClick(); })),
                 1, 1, Qt::AlignBottom);
    QVBoxLayout* email = labeledField(f.Email);
    g->addLayout(withButton(email, emailButton(f.Email, QStringLiteral("al cliente"))), 1, 2, Qt::AlignBottom);

    // (4) Payment, amount and whether the commitment is done.
    g = addSection(QStringLiteral("sezPagamento"), QStringLiteral("pagamento"),
                   QStringLiteral("Pagamento e stato dell'impegno"), 0);
    placeField(g, 0, 0, 1, f.Luogo);
    placeField(g, 0, 1, 1, f.Importo);
    placeField(g, 0, 2, 1, f.Ottemperata);
    g->setColumnStretch(0, 1);

    // (5) Free notes: the section's picture and title are their only caption.
    g = addSection(QStringLiteral("sezNote"), QStringLiteral("note"), f.Note.caption(), 1);
    QWidget* note = addField(f.Note);
    note->setAccessibleName(f.Note.caption());
    g->addWidget(note, 0, 0);
    fieldsLayout()->addStretch();
}

void TfrmArchivio_Scadenze::newCard() {
    TRecordWindow::newCard();
    setFieldText(f.OreApp, QStringLiteral("00"));
    setFieldText(f.MinutiApp, QStringLiteral("00"));
    setFieldText(f.Avviso, QStringLiteral("0"));
    setFieldText(f.Importo, QStringLiteral("0,00"));
}

// The date has no leaving rule of its own: it is tidied as the save begins.
void TfrmArchivio_Scadenze::tidyBeforeSave() { setFieldText(f.Data, fieldText(f.Data)); }

void TfrmArchivio_Scadenze::deriveFields() {
    if (fieldText(f.Importo).isEmpty()) setFieldText(f.Importo, QStringLiteral("0,00"));
    // The time is kept whole beside its hour and minutes, for the lists.
    setFieldText(f.Ora, Formats::hhmm(fieldText(f.OreApp), fieldText(f.MinutiApp)));
}

void TfrmArchivio_Scadenze::afterDuplicate() {
    // A repeated appointment: the same card but for its date and time.
    setFieldText(f.Data, QString());
    setFieldText(f.OreApp, QStringLiteral("00"));
    setFieldText(f.MinutiApp, QStringLiteral("00"));
}

QString TfrmArchivio_Scadenze::confirmationText() const {
    return QStringLiteral("Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore ") +
           Formats::hhmm(fieldText(f.OreApp), fieldText(f.MinutiApp)) + QStringLiteral(" del giorno ") +
           fieldText(f.Data);
}

void TfrmArchivio_Scadenze::impDataClick() {
    if (const std::optional<QDate> d = TfrmCalendario::pick(this, QStringLiteral("data")))
        setFieldText(f.Data, Formats::date(*d));
}

void TfrmArchivio_Scadenze::impContattoClick() {
    const ClientFields& client = ClientFields::get();
    importClient(QStringLiteral("scadenze"), {{client.Cliente, f.Contatto},
                                              {client.Recapito, f.Tel},
                                              {client.TelCel, f.Cel},
                                              {client.Email, f.Email},
                                              {client.Estremi, f.Luogo}});
}

void TfrmArchivio_Scadenze::btnWhatsAppClick() {
    // The WhatsApp message needs the date and the number: as a save would, it
    // says which is missing.
    static const std::vector<CardRule> rules = {CardRules::required(f.Data, kMsgWhatsAppData),
                                                CardRules::required(f.Cel, kMsgWhatsAppCel)};
    if (const std::optional<Refusal> r = CardRules::check(rules, values())) {
        refuse(*r);
        return;
    }
    WhatsApp::open(this, fieldText(f.Cel), confirmationText());
}

void TfrmArchivio_Scadenze::cmdTrovaClick() {
    TfrmTrovaScadenze w(this);
    showRecord(w.choose());
}

template <class Summary>
void TfrmArchivio_Scadenze::openSummary() {
    Summary w(this);
    showRecord(w.choose());
}

void TfrmArchivio_Scadenze::cmdAssoltiClick() { openSummary<TfrmAssolti>(); }
void TfrmArchivio_Scadenze::cmdDaAssolvereClick() { openSummary<TfrmConfermati>(); }
void TfrmArchivio_Scadenze::cmdScadutiClick() { openSummary<TfrmScaduti>(); }

void TfrmArchivio_Scadenze::cmdEsportaClick() { AppointmentExports::openArchive(this); }

void TfrmArchivio_Scadenze::cmdStampaClick() {
    TfrmStampaScadenza w(this, SchedaAppuntamento::rows(values()));
    w.showModal();
}

void TfrmArchivio_Scadenze::cmdAnteprimaClick() {
    TfrmStartup w(this, SchedaAppuntamento::rows(values()));
    w.showModal();
}
