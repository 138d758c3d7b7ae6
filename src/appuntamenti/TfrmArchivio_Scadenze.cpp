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

namespace {

const QString kZero = QStringLiteral("00");

}  // namespace

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget* owner) : TRecordWindow(owner) {
    setObjectName(QStringLiteral("frmArchivio_Scadenze"));
    setWindowTitle(QStringLiteral(" Plenaro - Schedario Appuntamenti"));
    buildSections();

    RecordWindowDescription desc;
    for (const char* name : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva",
                             "cmdDuplica", "cmdTrova"})
        desc.buttons.push_back(standardButton(QLatin1String(name)));
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
    desc.firstField = QStringLiteral("txtData");
    // Enter in the date opens the picker; from the notes it comes back to the date.
    desc.enterChain = {"txtOreApp",  "txtMinutiApp", "txtAvviso", "txtTipologia", "txtCausale",
                       "txtDettagli", "txtContatto", "txtTel",    "txtCel",       "txtEmail",
                       "txtLuogo",    "txtImporto",  "txtNote",   "txtData"};
    desc.required = {{"txtData", RequiredField::needs("la data dell'appuntamento.")},
                     {"txtAvviso", RequiredField::needs("i giorni di preavviso rispetto alla data dell'appuntamento.")},
                     {"txtCausale", RequiredField::needs("i servizi richiesti dal cliente.")},
                     {"txtContatto", RequiredField::needs("il nome del cliente.")},
                     {"txtCel", RequiredField::needs("il numero di cellulare del cliente.")}};
    desc.helpTitle = kHelpTitle;
    // The amount and the days of notice are written by their leaving rules.
    desc.focusAwayBeforeSave = true;
    desc.duplicateClears = {};
    FormCreate(desc);

    setHint(QStringLiteral("chkOttemperata"),
            QStringLiteral("Spunta questa casella per indicare che l'impegno \u00E8 stato assolto."));
    // The hidden button that takes the focus before a save also tidies the date.
    if (auto* focus = qobject_cast<QAbstractButton*>(control(QStringLiteral("btnFocus"))))
        connect(focus, &QAbstractButton::clicked, this, [this] { txtData_->setText(Text::trim(txtData_->text())); });

    const char* const tabOrder[] = {"txtData",    "txtOreApp", "txtMinutiApp", "txtAvviso", "txtTipologia",
                                    "txtCausale", "txtDettagli", "txtContatto", "txtTel",   "txtCel",
                                    "txtEmail",   "txtLuogo",  "txtImporto",   "chkOttemperata", "txtNote"};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(control(QLatin1String(tabOrder[i - 1])), control(QLatin1String(tabOrder[i])));
}

void TfrmArchivio_Scadenze::buildSections() {
    QWidget* area = fieldsArea();
    using Controls::addLabeled;
    // A field with its small button at its right, level with the field.
    auto withButton = [](const QString& label, QWidget* field, QWidget* button) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addLayout(Controls::labeled(label, field), 1);
        row->addWidget(button, 0, Qt::AlignBottom);
        return row;
    };

    // (1) When: the date from the calendar, the hour and minutes from their lists.
    QGridLayout* g = addSection(QStringLiteral("sezAppuntamento"), QStringLiteral("appuntamento"),
                                QStringLiteral("Data e ora dell'appuntamento"), 0);
    txtData_ = FieldKinds::date(area, QStringLiteral("txtData"), TfrmCalendario::kModeData);
    txtData_->setFixedWidth(110);
    auto* impData = TPictureButton::fieldButton("impData", ":/img/btn/data.svg", "Scegli la data dal calendario",
                                                "Importa la data dal calendario.", area);
    connect(impData, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::impDataClick);
    g->addLayout(withButton(QStringLiteral("Data appuntamento:"), txtData_, impData), 0, 0, Qt::AlignBottom);
    txtOreApp_ = FieldKinds::pickList(area, QStringLiteral("txtOreApp"), Formats::twoDigitRange(0, 23), 62);
    txtMinutiApp_ = FieldKinds::pickList(area, QStringLiteral("txtMinutiApp"), Formats::twoDigitRange(0, 59), 62);
    g->addLayout(Controls::labeled(QStringLiteral("Ore:"), txtOreApp_), 0, 1, Qt::AlignBottom);
    g->addLayout(Controls::labeled(QStringLiteral("Minuti:"), txtMinutiApp_), 0, 2, Qt::AlignBottom);
    QLineEdit* avviso = addEdit(QStringLiteral("Avviso"), FieldKinds::DigitsOnly);
    avviso->setFixedWidth(70);
    // Left empty, the notice is no days at all.
    TypingRules::onExit(avviso, [](const QString& s) { return Text::trim(s).isEmpty() ? QStringLiteral("0") : s; });
    g->addLayout(Controls::labeled(QStringLiteral("Giorni di preavviso:"), avviso), 0, 3, Qt::AlignBottom);
    g->setColumnStretch(4, 1);
    FieldKinds::derived(area, QStringLiteral("lblOra"));

    // (2) Who serves the client, and what for.
    g = addSection(QStringLiteral("sezServizi"), QStringLiteral("servizi_richiesti"),
                   QStringLiteral("Agente e servizi richiesti"), 4);
    addLabeled(g, 0, 0, 2, QStringLiteral("Agente:"), addEdit(QStringLiteral("Tipologia")));
    addLabeled(g, 1, 0, 4, QStringLiteral("Servizi richiesti dal cliente:"), addEdit(QStringLiteral("Causale")));
    addLabeled(g, 2, 0, 4, QStringLiteral("Dettagli:"), addEdit(QStringLiteral("Dettagli")));

    // (3) The client, imported from the client archive or typed.
    g = addSection(QStringLiteral("sezCliente"), QStringLiteral("anagrafica"), QStringLiteral("Dati del cliente"), 3);
    auto* impContatto = TPictureButton::fieldButton("impContatto", ":/img/btn/cliente.svg", "Importa un cliente",
                                                    "Importa i dati dall'archivio anagrafico dei clienti.", area);
    connect(impContatto, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::impContattoClick);
    g->addLayout(withButton(QStringLiteral("Cognome e nome:"), addEdit(QStringLiteral("Contatto")), impContatto), 0, 0,
                 1, 3);
    addLabeled(g, 1, 0, 1, QStringLiteral("Telefono:"), addEdit(QStringLiteral("Tel")));
    txtCel_ = addEdit(QStringLiteral("Cel"), FieldKinds::DigitsOnly);
    auto* whatsApp = TPictureButton::fieldButton("btnWhatsApp", ":/img/btn/conferma_whatsapp.svg",
                                                 "Conferma l'appuntamento tramite WhatsApp",
                                                 "Invia conferma appuntamento al cliente tramite WhatsApp.", area);
    connect(whatsApp, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::btnWhatsAppClick);
    g->addLayout(withButton(QStringLiteral("Cellulare:"), txtCel_, whatsApp), 1, 1, Qt::AlignBottom);
    QLineEdit* email = addEdit(QStringLiteral("Email"), FieldKinds::Trimmed);
    auto* mail = TPictureButton::fieldButton("btnEmail", ":/img/btn/email.svg", "Invia una e-mail al cliente",
                                             "Invia una e-mail all'indirizzo indicato.", area);
    connect(mail, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::btnEmailClick);
    g->addLayout(withButton(QStringLiteral("E-mail:"), email, mail), 1, 2, Qt::AlignBottom);

    // (4) Payment, amount and whether the commitment is done.
    g = addSection(QStringLiteral("sezPagamento"), QStringLiteral("pagamento"),
                   QStringLiteral("Pagamento e stato dell'impegno"), 0);
    addLabeled(g, 0, 0, 1, QStringLiteral("Modalit\u00E0 di pagamento:"), addEdit(QStringLiteral("Luogo")));
    QLineEdit* importo = FieldKinds::amount(area, QStringLiteral("txtImporto"));
    importo->setFixedWidth(140);
    importo->setAlignment(Qt::AlignRight);
    addLabeled(g, 0, 1, 1, QStringLiteral("Importo:"), importo);
    QCheckBox* done = FieldKinds::flag(area, QStringLiteral("chkOttemperata"), QStringLiteral("Impegno assolto"));
    g->addWidget(done, 0, 2, Qt::AlignBottom | Qt::AlignLeft);
    g->setColumnStretch(0, 1);

    // (5) Free notes: the section's picture is their only caption.
    g = addSection(QStringLiteral("sezNote"), QStringLiteral("note"), QStringLiteral("Note"), 1);
    QLineEdit* note = addEdit(QStringLiteral("Note"));
    note->setAccessibleName(QStringLiteral("Note"));
    g->addWidget(note, 0, 0);
    fieldsLayout()->addStretch();
}

void TfrmArchivio_Scadenze::newCard() {
    TRecordWindow::newCard();
    setFieldText(QStringLiteral("OreApp"), kZero);
    setFieldText(QStringLiteral("MinutiApp"), kZero);
    setFieldText(QStringLiteral("Avviso"), QStringLiteral("0"));
    setFieldText(QStringLiteral("Importo"), QStringLiteral("0,00"));
}

bool TfrmArchivio_Scadenze::validate() {
    if (fieldText(QStringLiteral("Importo")).isEmpty()) setFieldText(QStringLiteral("Importo"), QStringLiteral("0,00"));
    // The time is kept whole beside its hour and minutes, for the lists.
    setFieldText(QStringLiteral("Ora"),
                 fieldText(QStringLiteral("OreApp")) + QLatin1Char(':') + fieldText(QStringLiteral("MinutiApp")));
    return true;
}

void TfrmArchivio_Scadenze::afterDuplicate() {
    // A repeated appointment: the same card but for its date and time.
    setFieldText(QStringLiteral("Data"), QString());
    setFieldText(QStringLiteral("OreApp"), kZero);
    setFieldText(QStringLiteral("MinutiApp"), kZero);
}

QWidget* TfrmArchivio_Scadenze::duplicateFocus() const { return txtData_; }

QString TfrmArchivio_Scadenze::confirmationText() const {
    return QStringLiteral("Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore ") +
           Text::trim(txtOreApp_->currentText()) + QLatin1Char(':') + Text::trim(txtMinutiApp_->currentText()) +
           QStringLiteral(" del giorno ") + Text::trim(txtData_->text());
}

void TfrmArchivio_Scadenze::impDataClick() {
    if (const std::optional<QDate> d = TfrmCalendario::pick(this, TfrmCalendario::kModeData))
        txtData_->setText(Formats::date(*d));
}

void TfrmArchivio_Scadenze::impContattoClick() {
    const std::optional<FoundRecord> client = TfrmTrovaClienti::open(this, QStringLiteral("scadenze"));
    if (!client) return;
    // Client card field → appointment field.
    const std::pair<const char*, const char*> copied[] = {
        {"Cliente", "Contatto"}, {"Recapito", "Tel"}, {"TelCel", "Cel"}, {"Email", "Email"}, {"Estremi", "Luogo"}};
    for (const auto& [from, to] : copied)
        setFieldText(QLatin1String(to), Text::trim(client->record.get(QLatin1String(from))));
}

void TfrmArchivio_Scadenze::btnEmailClick() { openMail(QStringLiteral("Email")); }

void TfrmArchivio_Scadenze::btnWhatsAppClick() {
    if (Text::trim(txtData_->text()).isEmpty()) {
        Msg::warning(this, kMsgWhatsAppData);
        txtData_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Text::trim(txtCel_->text()).isEmpty()) {
        Msg::warning(this, kMsgWhatsAppCel);
        txtCel_->setFocus(Qt::OtherFocusReason);
        return;
    }
    WhatsApp::open(this, Text::trim(txtCel_->text()), confirmationText());
}

void TfrmArchivio_Scadenze::cmdTrovaClick() {
    TfrmTrovaScadenze w(this);
    w.setMode(QStringLiteral("scadenze"));
    w.choose();
}

template <class Summary>
void TfrmArchivio_Scadenze::openSummary() {
    Summary w(this);
    if (const std::optional<FoundRecord> card = w.choose()) showRecord(card->record, card->position);
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
