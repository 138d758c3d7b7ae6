#include "clienti/TfrmClienti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "archive/Attachments.h"
#include "archive/Layouts.h"
#include "archive/Province.h"
#include "clienti/ClientCard.h"
#include "clienti/TfrmAllegaExcel.h"
#include "clienti/TfrmExpClienti.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "clienti/TfrmRicontatta.h"
#include "archive/TfrmTrovaClienti.h"
#include "archive/checks/Checks.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/Desktop.h"

namespace {

const QString kCliente = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del cliente.");
const QString kCellulare = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il numero di cellulare del cliente.");
const QString kCodFisc = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il codice fiscale del cliente.");


}  // namespace

TfrmClienti::TfrmClienti(QWidget* owner) : TRecordWindow(owner) {
    setObjectName(QStringLiteral("frmClienti"));
    setWindowTitle(QStringLiteral(" Plenaro - Clienti e Servizi"));
    buildSections();

    RecordWindowDescription desc;
    for (const char* name : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva",
                             "cmdDuplica", "cmdTrova", "cmdStampa", "cmdAnteprima"})
        desc.buttons.push_back(standardButton(QLatin1String(name)));
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
    desc.firstField = QStringLiteral("txtCliente");
    desc.enterChain = {"txtCliente",   "txtDataNasc", "txtComuneNasc", "txtProvNasc",   "txtSesso",
                       "txtRecapito",  "txtIndirizzoRes", "txtProvRes", "txtComuneRes", "txtCapRes",
                       "txtEstremi",   "txtTelCasa",  "txtTelUff",     "txtTelCel",     "txtFax",
                       "txtEmail",     "txtCodFisc",  "txtCarta",      "txtScadeCarta", "txtPartitaIva",
                       "txtIban",      "txtDocumento", "txtOccupazione", "txtCivile",   "txtTitoli",
                       "txtProdotti",  "txtZona",     "txtQuestioni",  "txtNote"};
    desc.required = {{"txtCliente", kCliente}, {"txtTelCel", kCellulare}, {"txtCodFisc", kCodFisc}};
    desc.helpTitle = kHelpTitle;
    setHint("chkRicontatta", QStringLiteral("Annota che il cliente \u00E8 da ricontattare per questioni in sospeso."));
    FormCreate(desc);
    repScheda_ = ClientCard::build(*this, ClientCard::Output::Print);
}

TfrmClienti::~TfrmClienti() = default;

QComboBox* TfrmClienti::provinceList(const QString& objectName) {
    // Free typing, always upper case; no province until one is chosen or typed.
    return FieldKinds::upperList(fieldsArea(), objectName, Province::codes(), 64);
}

void TfrmClienti::buildSections() {
    QWidget* area = fieldsArea();
    auto section = [&](const char* name, const char* picture, const QString& title) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, 8);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col, int span = 1) {
        g->addWidget(w, row, col, 1, span, Qt::AlignBottom | Qt::AlignLeft);
    };
    using Controls::addLabeled;

    // (1) Personal data and residence.
    QGridLayout* g = section("sezAnagrafica", "anagrafica", QStringLiteral("Dati anagrafici e residenza"));
    addLabeled(g, 0, 0, 3, QStringLiteral("Cognome e nome:"), addEdit("Cliente"));
    addLabeled(g, 0, 3, 1, QStringLiteral("Data di nascita:"), addEdit("DataNasc"));
    addLabeled(g, 0, 4, 3, QStringLiteral("Comune di nascita:"), addEdit("ComuneNasc"));
    addLabeled(g, 0, 7, 1, QStringLiteral("Prov."), provinceList("txtProvNasc"));
    QLineEdit* sesso = addEdit("Sesso", FieldKinds::Upper);
    sesso->setFixedWidth(40);
    addLabeled(g, 1, 0, 1, QStringLiteral("Sesso:"), sesso);
    addLabeled(g, 1, 1, 2, QStringLiteral("Tel. preferenziale:"), addEdit("Recapito"));
    addLabeled(g, 1, 3, 4, QStringLiteral("Residente in Via / Piazza e numero civico:"), addEdit("IndirizzoRes"));
    addLabeled(g, 1, 7, 1, QStringLiteral("Prov."), provinceList("txtProvRes"));
    addLabeled(g, 2, 0, 3, QStringLiteral("Comune di residenza:"), addEdit("ComuneRes"));
    QLineEdit* cap = addEdit("CapRes", FieldKinds::UpperOnRelease);
    addLabeled(g, 2, 3, 1, QStringLiteral("CAP:"), cap);
    addLabeled(g, 2, 4, 4, QStringLiteral("Modalit\u00E0 di pagamento:"), addEdit("Estremi"));

    // (2) Telephones and e-mail.
    g = section("sezRecapiti", "recapiti", QStringLiteral("Recapiti telefonici e posta elettronica"));
    addLabeled(g, 0, 0, 2, QStringLiteral("Tel. casa:"), addEdit("TelCasa"));
    addLabeled(g, 0, 2, 2, QStringLiteral("Tel. ufficio:"), addEdit("TelUff"));
    QLineEdit* cel = addEdit("TelCel", FieldKinds::DigitsOnly);
    addLabeled(g, 0, 4, 2, QStringLiteral("Tel. cellulare:"), cel);
    auto* chiamate = TPictureButton::fieldButton("btnChiamate", ":/img/btn/chiamate.svg", "Storico chiamate del cliente",
                                 "Visualizza lo storico delle telefonate del cliente archiviate nel registro "
                                 "delle chiamate.",
                                 area);
    connect(chiamate, &QAbstractButton::clicked, this, &TfrmClienti::btnChiamateClick);
    bottom(g, chiamate, 0, 6);
    QLineEdit* pec = addEdit("Fax", FieldKinds::Trimmed);
    addLabeled(g, 1, 0, 3, QStringLiteral("PEC:"), pec);
    QLineEdit* email = addEdit("Email", FieldKinds::Trimmed | FieldKinds::TrimmedOnExit);
    addLabeled(g, 1, 3, 3, QStringLiteral("E-mail:"), email);
    auto* mail = TPictureButton::fieldButton("btnEmail", ":/img/btn/email.svg", "Invia una e-mail al cliente",
                             "Invia una e-mail all'indirizzo indicato.", area);
    connect(mail, &QAbstractButton::clicked, this, &TfrmClienti::btnEmailClick);
    bottom(g, mail, 1, 6);

    // (3) Tax code, card, VAT number, IBAN.
    g = section("sezFiscale", "fiscale", QStringLiteral("Dati fiscali e bancari"));
    QLineEdit* cf = addEdit("CodFisc", FieldKinds::TrimmedUpper);
    addLabeled(g, 0, 0, 2, QStringLiteral("Codice fiscale:"), cf);
    auto* checkCf = TPictureButton::fieldButton("btnCodFisc", ":/img/btn/controlla.svg", "Controlla il codice fiscale",
                                "Controlla il codice fiscale.", area);
    connect(checkCf, &QAbstractButton::clicked, this, &TfrmClienti::btnCodFiscClick);
    bottom(g, checkCf, 0, 2);
    QLineEdit* carta = addEdit("Carta", FieldKinds::DigitsOnly);
    addLabeled(g, 0, 3, 2, QStringLiteral("Carta di credito n."), carta);
    auto* checkCarta = TPictureButton::fieldButton("btnCarta", ":/img/btn/controlla.svg", "Controlla la carta di credito",
                                   "Controlla il numero di carta di credito.", area);
    connect(checkCarta, &QAbstractButton::clicked, this, &TfrmClienti::btnCartaClick);
    bottom(g, checkCarta, 0, 5);
    addLabeled(g, 0, 6, 2, QStringLiteral("Scadenza:"), addEdit("ScadeCarta"));
    QLineEdit* piva = addEdit("PartitaIva", FieldKinds::DigitsOnly);
    addLabeled(g, 1, 0, 2, QStringLiteral("Partita IVA:"), piva);
    auto* checkPiva = TPictureButton::fieldButton("btnPartitaIva", ":/img/btn/controlla.svg", "Controlla la partita IVA",
                                  "Controlla il numero di partita IVA.", area);
    connect(checkPiva, &QAbstractButton::clicked, this, &TfrmClienti::btnPartitaIvaClick);
    bottom(g, checkPiva, 1, 2);
    QLineEdit* iban = addEdit("Iban", FieldKinds::TrimmedUpper);
    addLabeled(g, 1, 3, 3, QStringLiteral("IBAN:"), iban);
    auto* checkIban = TPictureButton::fieldButton("btnIban", ":/img/btn/controlla.svg", "Controlla l'IBAN", "Controlla l'IBAN.", area);
    connect(checkIban, &QAbstractButton::clicked, this, &TfrmClienti::btnIbanClick);
    bottom(g, checkIban, 1, 6);

    // (4) Document, occupation, titles, interests.
    g = section("sezProfilo", "profilo", QStringLiteral("Documento, professione e interessi"));
    addLabeled(g, 0, 0, 4, QStringLiteral("Estremi documento:"), addEdit("Documento"));
    addLabeled(g, 0, 4, 2, QStringLiteral("Occupazione:"), addEdit("Occupazione"));
    addLabeled(g, 0, 6, 2, QStringLiteral("Stato civile:"), addEdit("Civile"));
    addLabeled(g, 1, 0, 3, QStringLiteral("Titoli e qualifiche:"), addEdit("Titoli"));
    addLabeled(g, 1, 3, 3, QStringLiteral("Prodotti o servizi di interesse:"), addEdit("Prodotti"));
    addLabeled(g, 1, 6, 2, QStringLiteral("Zona:"), addEdit("Zona"));

    // (5) Pending questions, notes, services.
    g = section("sezNote", "note", QStringLiteral("Questioni in sospeso, note e servizi"));
    addLabeled(g, 0, 0, 6, QStringLiteral("Questioni in sospeso:"), addEdit("Questioni"));
    QCheckBox* ricontatta = FieldKinds::flag(area, QStringLiteral("chkRicontatta"), QStringLiteral("Da ricontattare"));
    bottom(g, ricontatta, 0, 6, 2);
    addLabeled(g, 1, 0, 6, QStringLiteral("Note:"), addEdit("Note"));
    auto* prove = new TPictureButton("btnProve", ":/img/btn/servizi.svg", "Servizi forniti al cliente",
                                     "Visualizza il riepilogo dei servizi forniti al cliente.", area, QSize(150, 32));
    prove->setText(QStringLiteral("Servizi forniti"));
    prove->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    prove->setIconSize(QSize(22, 22));
    connect(prove, &QAbstractButton::clicked, this, &TfrmClienti::btnProveClick);
    bottom(g, prove, 1, 6, 2);
    fieldsLayout()->addStretch();

    // The attached files travel with the card, unseen.
    addHiddenFields({"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"});
}

void TfrmClienti::btnEmailClick() { openMail(QStringLiteral("Email")); }

void TfrmClienti::btnCodFiscClick() { Checks::openCodiceFiscale(this, fieldText("CodFisc")); }
void TfrmClienti::btnPartitaIvaClick() { Checks::openPartitaIva(this, fieldText("PartitaIva")); }
void TfrmClienti::btnIbanClick() { Checks::openIban(this, fieldText("Iban")); }
void TfrmClienti::btnCartaClick() { Checks::openCarta(this, fieldText("Carta")); }

void TfrmClienti::btnChiamateClick() {
    if (isNewCard()) {
        Msg::warning(this, QStringLiteral("Attenzione: lo storico delle chiamate pu\u00F2 essere visualizzato soltanto "
                                          "dopo aver salvato la scheda del cliente."));
        return;
    }
    if (fieldText("CodFisc").isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per visualizzare lo storico delle chiamate \u00E8 necessario "
                                          "indicare il codice fiscale dello cliente."));
        control("txtCodFisc")->setFocus();
        return;
    }
    TfrmStoricoChiamate history(this, fieldText("CodFisc"));
    history.showModal();
}

void TfrmClienti::btnProveClick() {
    if (isNewCard()) {
        Msg::warning(this, QStringLiteral("Attenzione: il riepilogo dei servizi pu\u00F2 essere visualizzato soltanto "
                                          "dopo aver salvato la scheda del cliente."));
        return;
    }
    if (fieldText("Cliente").isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi \u00E8 necessario "
                                          "indicare il nome del cliente."));
        control("txtCliente")->setFocus();
        return;
    }
    TfrmAllegaExcel services(fieldText("Cliente"), position(), this);
    services.showModal();
}

void TfrmClienti::cmdRicontattaClick() {
    TfrmRicontatta list(this);
    list.showModal();
    if (const std::optional<FoundRecord>& client = list.chosen()) showRecord(client->record, client->position);
}
void TfrmClienti::cmdFileClick() { Attachments::editOn(*this, QStringLiteral("clienti")); }

void TfrmClienti::cmdTrovaClick() { TfrmTrovaClienti::open(this, QStringLiteral("clienti")); }

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
