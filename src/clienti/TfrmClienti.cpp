#include "clienti/TfrmClienti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "archive/Attachments.h"
#include "archive/Layouts.h"
#include "archive/Province.h"
#include "archive/TfrmTrovaClienti.h"
#include "archive/checks/Checks.h"
#include "clienti/ClientCard.h"
#include "clienti/TfrmAllegaExcel.h"
#include "clienti/TfrmExpClienti.h"
#include "clienti/TfrmRicontatta.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/Desktop.h"
#include "ui/FieldEditor.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

TfrmClienti::TfrmClienti(QWidget* owner) : TRecordWindow(owner) {
    setObjectName(QStringLiteral("frmClienti"));
    setWindowTitle(QStringLiteral(" Plenaro - Clienti e Servizi"));
    buildSections();

    RecordWindowDescription desc;
    addStandardButtons(desc, {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva", "cmdDuplica",
                              "cmdTrova", "cmdStampa", "cmdAnteprima"});
    desc.buttons.push_back(standardButton("cmdPDF", {}, [this] { cmdPDFClick(); }));
    desc.buttons.push_back(standardButton("cmdEsporta"));
    desc.buttons.push_back({"cmdRicontatta", ":/img/btn/ricontatta.svg", "Da ricontattare",
                            "Visualizza il riepilogo dei clienti da ricontattare.", "Clienti da ricontattare",
                            [this] { cmdRicontattaClick(); }});
    desc.buttons.push_back(standardButton("cmdFile", {}, [this] { cmdFileClick(); }));
    desc.buttons.push_back(standardButton("cmdGuida"));
    desc.buttons.push_back(standardButton("cmdEsci"));
    desc.layout = &Layouts::TSchedaCliente();
    desc.fileName = ArchiveFiles::Clienti;
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);
    repScheda_ = ClientCard::build(*this, ClientCard::Output::Print);
}

TfrmClienti::~TfrmClienti() = default;

void TfrmClienti::buildSections() {
    auto section = [&](const char* name, const char* picture, const QString& title) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, 8);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col, int span = 1) {
        g->addWidget(w, row, col, 1, span, Qt::AlignBottom | Qt::AlignLeft);
    };
    // Free typing, always upper case; no province until one is chosen or typed.
    auto province = [](const char* field) {
        return LegacyFieldRow{
            .field = field, .label = "Prov.", .kind = FieldKind::UpperList, .entries = Province::codes(), .width = 64};
    };

    // (1) Personal data and residence.
    QGridLayout* g = section("sezAnagrafica", "anagrafica", QStringLiteral("Dati anagrafici e residenza"));
    placeField(g, 0, 0, 3,
               {.field = "Cliente", .label = "Cognome e nome:", .required = CardRules::needs("il nome del cliente.")});
    placeField(g, 0, 3, 1, {.field = "DataNasc", .label = "Data di nascita:"});
    placeField(g, 0, 4, 3, {.field = "ComuneNasc", .label = "Comune di nascita:"});
    placeField(g, 0, 7, 1, province("ProvNasc"));
    placeField(g, 1, 0, 1, {.field = "Sesso", .label = "Sesso:", .rules = FieldKinds::Upper, .width = 40});
    placeField(g, 1, 1, 2, {.field = "Recapito", .label = "Tel. preferenziale:"});
    placeField(g, 1, 3, 4, {.field = "IndirizzoRes", .label = "Residente in Via / Piazza e numero civico:"});
    placeField(g, 1, 7, 1, province("ProvRes"));
    placeField(g, 2, 0, 3, {.field = "ComuneRes", .label = "Comune di residenza:"});
    placeField(g, 2, 3, 1, {.field = "CapRes", .label = "CAP:", .rules = FieldKinds::UpperOnRelease});
    placeField(g, 2, 4, 4, {.field = "Estremi", .label = "Modalit\u00E0 di pagamento:"});

    // (2) Telephones and e-mail.
    g = section("sezRecapiti", "recapiti", QStringLiteral("Recapiti telefonici e posta elettronica"));
    placeField(g, 0, 0, 2, {.field = "TelCasa", .label = "Tel. casa:"});
    placeField(g, 0, 2, 2, {.field = "TelUff", .label = "Tel. ufficio:"});
    placeField(g, 0, 4, 2,
               {.field = "TelCel",
                .label = "Tel. cellulare:",
                .rules = FieldKinds::DigitsOnly,
                .required = CardRules::needs("il numero di cellulare del cliente.")});
    bottom(g,
           fieldButton("btnChiamate", ":/img/btn/chiamate.svg", "Storico chiamate del cliente",
                       "Visualizza lo storico delle telefonate del cliente archiviate nel registro delle chiamate.",
                       "TelCel", [this] { btnChiamateClick(); }),
           0, 6);
    placeField(g, 1, 0, 3, {.field = "Fax", .label = "PEC:", .rules = FieldKinds::Trimmed});
    placeField(g, 1, 3, 3,
               {.field = "Email", .label = "E-mail:", .rules = FieldKinds::Trimmed | FieldKinds::TrimmedOnExit});
    bottom(g, emailButton("Email"), 1, 6);

    // (3) Tax code, card, VAT number, IBAN.
    g = section("sezFiscale", "fiscale", QStringLiteral("Dati fiscali e bancari"));
    placeField(g, 0, 0, 2,
               {.field = "CodFisc",
                .label = "Codice fiscale:",
                .rules = FieldKinds::TrimmedUpper,
                .required = CardRules::needs("il codice fiscale del cliente.")});
    bottom(g, checkButton(IdentityCheck::CodiceFiscale, "CodFisc"), 0, 2);
    placeField(g, 0, 3, 2, {.field = "Carta", .label = "Carta di credito n.", .rules = FieldKinds::DigitsOnly});
    bottom(g, checkButton(IdentityCheck::Carta, "Carta"), 0, 5);
    placeField(g, 0, 6, 2, {.field = "ScadeCarta", .label = "Scadenza:"});
    placeField(g, 1, 0, 2, {.field = "PartitaIva", .label = "Partita IVA:", .rules = FieldKinds::DigitsOnly});
    bottom(g, checkButton(IdentityCheck::PartitaIva, "PartitaIva"), 1, 2);
    placeField(g, 1, 3, 3, {.field = "Iban", .label = "IBAN:", .rules = FieldKinds::TrimmedUpper});
    bottom(g, checkButton(IdentityCheck::Iban, "Iban"), 1, 6);

    // (4) Document, occupation, titles, interests.
    g = section("sezProfilo", "profilo", QStringLiteral("Documento, professione e interessi"));
    placeField(g, 0, 0, 4, {.field = "Documento", .label = "Estremi documento:"});
    placeField(g, 0, 4, 2, {.field = "Occupazione", .label = "Occupazione:"});
    placeField(g, 0, 6, 2, {.field = "Civile", .label = "Stato civile:"});
    placeField(g, 1, 0, 3, {.field = "Titoli", .label = "Titoli e qualifiche:"});
    placeField(g, 1, 3, 3, {.field = "Prodotti", .label = "Prodotti o servizi di interesse:"});
    placeField(g, 1, 6, 2, {.field = "Zona", .label = "Zona:"});

    // (5) Pending questions, notes, services.
    g = section("sezNote", "note", QStringLiteral("Questioni in sospeso, note e servizi"));
    placeField(g, 0, 0, 6, {.field = "Questioni", .label = "Questioni in sospeso:"});
    placeField(g, 0, 6, 2,
               {.field = "Ricontatta",
                .label = "Da ricontattare",
                .kind = FieldKind::Flag,
                .hint = "Annota che il cliente \u00E8 da ricontattare per questioni in sospeso."});
    placeField(g, 1, 0, 6, {.field = "Note", .label = "Note:"});
    auto* prove =
        new TPictureButton("btnProve", ":/img/btn/servizi.svg", "Servizi forniti al cliente",
                           "Visualizza il riepilogo dei servizi forniti al cliente.", fieldsArea(), QSize(150, 32));
    prove->setText(QStringLiteral("Servizi forniti"));
    prove->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    prove->setIconSize(QSize(22, 22));
    connect(prove, &QAbstractButton::clicked, this, &TfrmClienti::btnProveClick);
    bottom(g, prove, 1, 6, 2);
    fieldsLayout()->addStretch();

    // The attached files travel with the card, unseen.
    addAttachmentFields();
}

void TfrmClienti::btnChiamateClick() {
    if (!needsSavedCard(QStringLiteral("Attenzione: lo storico delle chiamate pu\u00F2 essere visualizzato soltanto "
                                       "dopo aver salvato la scheda del cliente.")))
        return;
    if (fieldText("CodFisc").isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per visualizzare lo storico delle chiamate \u00E8 necessario "
                                          "indicare il codice fiscale dello cliente."));
        fieldControl("CodFisc")->setFocus();
        return;
    }
    TfrmStoricoChiamate history(this, fieldText("CodFisc"));
    history.showModal();
}

void TfrmClienti::btnProveClick() {
    if (!needsSavedCard(QStringLiteral("Attenzione: il riepilogo dei servizi pu\u00F2 essere visualizzato soltanto "
                                       "dopo aver salvato la scheda del cliente.")))
        return;
    if (fieldText("Cliente").isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi \u00E8 necessario "
                                          "indicare il nome del cliente."));
        fieldControl("Cliente")->setFocus();
        return;
    }
    TfrmAllegaExcel services(fieldText("Cliente"), position(), this);
    services.showModal();
}

void TfrmClienti::cmdRicontattaClick() {
    TfrmRicontatta list(this);
    showRecord(list.choose());
}
void TfrmClienti::cmdFileClick() { Attachments::editOn(*this, QStringLiteral("clienti")); }

void TfrmClienti::cmdTrovaClick() { showRecord(TfrmTrovaClienti::open(this, QStringLiteral("clienti"))); }

void TfrmClienti::cmdEsportaClick() {
    TfrmExpClienti exportWindow(this);
    exportWindow.showModal();
}

void TfrmClienti::cmdStampaClick() {
    repScheda_ = ClientCard::build(*this, ClientCard::Output::Print);
    repScheda_->prepare();
    repScheda_->print(this);
}

void TfrmClienti::cmdAnteprimaClick() {
    repScheda_ = ClientCard::build(*this, ClientCard::Output::Preview);
    repScheda_->prepare();
    repScheda_->preview(this);
}

void TfrmClienti::cmdPDFClick() {
    repScheda_ = ClientCard::build(*this, ClientCard::Output::Pdf);
    repScheda_->prepare();
    const QString file = ProgramFolder::file(QStringLiteral("Contatto.pdf"));
    // Only a file really written is announced; a failure has the engine's message.
    if (repScheda_->exportPdf(file, this) != OutputResult::Done) return;
    if (Msg::confirm(this, kMsgPdf) != MsgAnswer::No) Desktop::open(this, QLatin1Char('"') + file + QLatin1Char('"'));
}
