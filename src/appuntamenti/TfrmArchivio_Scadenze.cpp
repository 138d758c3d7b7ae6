#include "appuntamenti/TfrmArchivio_Scadenze.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "appuntamenti/AppointmentExports.h"
#include "appuntamenti/CommitmentSummaries.h"
#include "appuntamenti/SchedaAppuntamento.h"
#include "appuntamenti/TfrmStampaScadenza.h"
#include "appuntamenti/TfrmTrovaScadenze.h"
#include "appuntamenti/WhatsApp.h"
#include "archive/Layouts.h"
#include "archive/TfrmTrovaClienti.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/TfrmCalendario.h"

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget* owner) : TRecordWindow(owner) {
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
    desc.layout = &Layouts::TSchedaAppuntamento();
    desc.fileName = ArchiveFiles::Appuntamenti;
    desc.helpTitle = kHelpTitle;
    // The amount and the days of notice are written by their leaving rules.
    desc.focusAwayBeforeSave = true;
    desc.duplicateClears = {};
    FormCreate(desc);
}

void TfrmArchivio_Scadenze::buildSections() {
    using Controls::withButton;
    const QStringList hours = Formats::twoDigitRange(0, 23), minutes = Formats::twoDigitRange(0, 59);

    // (1) When: the date from the calendar, the hour and minutes from their lists.
    QGridLayout* g = addSection(QStringLiteral("sezAppuntamento"), QStringLiteral("appuntamento"),
                                QStringLiteral("Data e ora dell'appuntamento"), 0);
    QVBoxLayout* data = labeledField({.field = "Data",
                                      .label = "Data appuntamento:",
                                      .kind = FieldKind::Date,
                                      .required = CardRules::needs("la data dell'appuntamento."),
                                      .width = 110});
    g->addLayout(withButton(data, fieldButton("impData", ":/img/btn/data.svg", "Scegli la data dal calendario",
                                              "Importa la data dal calendario.", "Data", [this] { impDataClick(); })),
                 0, 0, Qt::AlignBottom);
    placeField(g, 0, 1, 1,
               {.field = "OreApp", .label = "Ore:", .kind = FieldKind::PickList, .entries = hours, .width = 62});
    placeField(
        g, 0, 2, 1,
        {.field = "MinutiApp", .label = "Minuti:", .kind = FieldKind::PickList, .entries = minutes, .width = 62});
    QWidget* avviso =
        placeField(g, 0, 3, 1,
                   {.field = "Avviso",
                    .label = "Giorni di preavviso:",
                    .rules = FieldKinds::DigitsOnly,
                    .required = CardRules::needs("i giorni di preavviso rispetto alla data dell'appuntamento."),
                    .width = 70});
    // Left empty, the notice is no days at all.
    TypingRules::onExit(avviso, [](const QString& s) { return Text::trim(s).isEmpty() ? QStringLiteral("0") : s; });
    g->setColumnStretch(4, 1);
    addField({.field = "Ora", .kind = FieldKind::Derived});

    // (2) Who serves the client, and what for.
    g = addSection(QStringLiteral("sezServizi"), QStringLiteral("servizi_richiesti"),
                   QStringLiteral("Agente e servizi richiesti"), 4);
    placeField(g, 0, 0, 2, {.field = "Tipologia", .label = "Agente:"});
    placeField(g, 1, 0, 4,
               {.field = "Causale",
                .label = "Servizi richiesti dal cliente:",
                .required = CardRules::needs("i servizi richiesti dal cliente.")});
    placeField(g, 2, 0, 4, {.field = "Dettagli", .label = "Dettagli:"});

    // (3) The client, imported from the client archive or typed.
    g = addSection(QStringLiteral("sezCliente"), QStringLiteral("anagrafica"), QStringLiteral("Dati del cliente"), 3);
    QVBoxLayout* contatto = labeledField(
        {.field = "Contatto", .label = "Cognome e nome:", .required = CardRules::needs("il nome del cliente.")});
    g->addLayout(withButton(contatto, fieldButton("impContatto", ":/img/btn/cliente.svg", "Importa un cliente",
                                                  "Importa i dati dall'archivio anagrafico dei clienti.", "Contatto",
                                                  [this] { impContattoClick(); })),
                 0, 0, 1, 3);
    placeField(g, 1, 0, 1, {.field = "Tel", .label = "Telefono:"});
    QVBoxLayout* cel = labeledField({.field = "Cel",
                                     .label = "Cellulare:",
                                     .rules = FieldKinds::DigitsOnly,
                                     .required = CardRules::needs("il numero di cellulare del cliente.")});
    g->addLayout(withButton(cel, fieldButton("btnWhatsApp", ":/img/btn/conferma_whatsapp.svg",
                                             "Conferma l'appuntamento tramite WhatsApp",
                                             "Invia conferma appuntamento al cliente tramite WhatsApp.", "Cel",
                                             [this] { btnWhatsAppClick(); })),
                 1, 1, Qt::AlignBottom);
    QVBoxLayout* email = labeledField({.field = "Email", .label = "E-mail:", .rules = FieldKinds::Trimmed});
    g->addLayout(withButton(email, emailButton("Email")), 1, 2, Qt::AlignBottom);

    // (4) Payment, amount and whether the commitment is done.
    g = addSection(QStringLiteral("sezPagamento"), QStringLiteral("pagamento"),
                   QStringLiteral("Pagamento e stato dell'impegno"), 0);
    placeField(g, 0, 0, 1, {.field = "Luogo", .label = "Modalit\u00E0 di pagamento:"});
    auto* importo = static_cast<QLineEdit*>(
        placeField(g, 0, 1, 1, {.field = "Importo", .label = "Importo:", .kind = FieldKind::Amount, .width = 140}));
    importo->setAlignment(Qt::AlignRight);
    placeField(g, 0, 2, 1,
               {.field = "Ottemperata",
                .label = "Impegno assolto",
                .kind = FieldKind::Flag,
                .hint = "Spunta questa casella per indicare che l'impegno \u00E8 stato assolto."});
    g->setColumnStretch(0, 1);

    // (5) Free notes: the section's picture is their only caption.
    g = addSection(QStringLiteral("sezNote"), QStringLiteral("note"), QStringLiteral("Note"), 1);
    QWidget* note = addField({.field = "Note"});
    note->setAccessibleName(QStringLiteral("Note"));
    g->addWidget(note, 0, 0);
    fieldsLayout()->addStretch();
}

void TfrmArchivio_Scadenze::newCard() {
    TRecordWindow::newCard();
    setFieldText(QStringLiteral("OreApp"), QStringLiteral("00"));
    setFieldText(QStringLiteral("MinutiApp"), QStringLiteral("00"));
    setFieldText(QStringLiteral("Avviso"), QStringLiteral("0"));
    setFieldText(QStringLiteral("Importo"), QStringLiteral("0,00"));
}

// The date has no leaving rule of its own: it is tidied as the save begins.
void TfrmArchivio_Scadenze::tidyBeforeSave() {
    setFieldText(QStringLiteral("Data"), fieldText(QStringLiteral("Data")));
}

void TfrmArchivio_Scadenze::deriveFields() {
    if (fieldText(QStringLiteral("Importo")).isEmpty()) setFieldText(QStringLiteral("Importo"), QStringLiteral("0,00"));
    // The time is kept whole beside its hour and minutes, for the lists.
    setFieldText(QStringLiteral("Ora"),
                 Formats::hhmm(fieldText(QStringLiteral("OreApp")), fieldText(QStringLiteral("MinutiApp"))));
}

void TfrmArchivio_Scadenze::afterDuplicate() {
    // A repeated appointment: the same card but for its date and time.
    setFieldText(QStringLiteral("Data"), QString());
    setFieldText(QStringLiteral("OreApp"), QStringLiteral("00"));
    setFieldText(QStringLiteral("MinutiApp"), QStringLiteral("00"));
}

QString TfrmArchivio_Scadenze::confirmationText() const {
    return QStringLiteral("Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore ") +
           Formats::hhmm(fieldText(QStringLiteral("OreApp")), fieldText(QStringLiteral("MinutiApp"))) +
           QStringLiteral(" del giorno ") + fieldText(QStringLiteral("Data"));
}

void TfrmArchivio_Scadenze::impDataClick() {
    if (const std::optional<QDate> d = TfrmCalendario::pick(this, QStringLiteral("data")))
        setFieldText(QStringLiteral("Data"), Formats::date(*d));
}

void TfrmArchivio_Scadenze::impContattoClick() {
    // Client card field → appointment field.
    importClient(
        QStringLiteral("scadenze"),
        {{"Cliente", "Contatto"}, {"Recapito", "Tel"}, {"TelCel", "Cel"}, {"Email", "Email"}, {"Estremi", "Luogo"}});
}

void TfrmArchivio_Scadenze::btnWhatsAppClick() {
    // The WhatsApp message needs the date and the number: as a save would, it
    // says which is missing.
    static const std::vector<CardRule> rules = {CardRules::required(QStringLiteral("Data"), kMsgWhatsAppData),
                                                CardRules::required(QStringLiteral("Cel"), kMsgWhatsAppCel)};
    if (const std::optional<Refusal> r = CardRules::check(rules, values())) {
        refuse(*r);
        return;
    }
    WhatsApp::open(this, fieldText(QStringLiteral("Cel")), confirmationText());
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
    TfrmStampaScadenza w(this, SchedaAppuntamento::rows(*this));
    w.showModal();
}

void TfrmArchivio_Scadenze::cmdAnteprimaClick() {
    TfrmStartup w(this, SchedaAppuntamento::rows(*this));
    w.showModal();
}
