#include "clienti/TfrmClienti.h"

#include <QGridLayout>

#include "archive/Attachments.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "archive/TfrmTrovaClienti.h"
#include "clienti/ClientCard.h"
#include "clienti/TfrmAllegaExcel.h"
#include "clienti/TfrmExpClienti.h"
#include "clienti/TfrmRicontatta.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "platform/ProgramFolder.h"
#include "ui/Desktop.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

TfrmClienti::TfrmClienti(QWidget* owner) : TRecordWindow(ClientFields::get(), owner) {
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
    desc.fileName = ArchiveFiles::Clienti;
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);
    repScheda_ = ClientCard::build(*this, ClientCard::Output::Print);
}

TfrmClienti::~TfrmClienti() = default;

void TfrmClienti::buildSections() {
    const ClientFields& f = ClientFields::get();
    auto section = [&](const char* name, const char* picture, const QString& title) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, 8);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col, int span = 1) {
        g->addWidget(w, row, col, 1, span, Qt::AlignBottom | Qt::AlignLeft);
    };

    // (1) Personal data and residence.
    QGridLayout* g = section("sezAnagrafica", "anagrafica", QStringLiteral("Dati anagrafici e residenza"));
    placeField(g, 0, 0, 3, f.Cliente);
    placeField(g, 0, 3, 1, f.DataNasc);
    placeField(g, 0, 4, 3, f.ComuneNasc);
    placeField(g, 0, 7, 1, f.ProvNasc);
    placeField(g, 1, 0, 1, f.Sesso);
    placeField(g, 1, 1, 2, f.Recapito);
    placeField(g, 1, 3, 4, f.IndirizzoRes);
    placeField(g, 1, 7, 1, f.ProvRes);
    placeField(g, 2, 0, 3, f.ComuneRes);
    placeField(g, 2, 3, 1, f.CapRes);
    placeField(g, 2, 4, 4, f.Estremi);

    // (2) Telephones and e-mail.
    g = section("sezRecapiti", "recapiti", QStringLiteral("Recapiti telefonici e posta elettronica"));
    placeField(g, 0, 0, 2, f.TelCasa);
    placeField(g, 0, 2, 2, f.TelUff);
    placeField(g, 0, 4, 2, f.TelCel);
    bottom(g,
           fieldButton("btnChiamate", ":/img/btn/chiamate.svg", "Storico chiamate del cliente",
                       "Visualizza lo storico delle telefonate del cliente archiviate nel registro delle chiamate.",
                       f.TelCel, [this] { btnChiamateClick(); }),
           0, 6);
    placeField(g, 1, 0, 3, f.Fax);
    placeField(g, 1, 3, 3, f.Email);
    bottom(g, emailButton(f.Email, QStringLiteral("al cliente")), 1, 6);

    // (3) Tax code, card, VAT number, IBAN.
    g = section("sezFiscale", "fiscale", QStringLiteral("Dati fiscali e bancari"));
    placeField(g, 0, 0, 2, f.CodFisc);
    bottom(g, checkButton(IdentityCheck::CodiceFiscale, f.CodFisc), 0, 2);
    placeField(g, 0, 3, 2, f.Carta);
    bottom(g, checkButton(IdentityCheck::Carta, f.Carta), 0, 5);
    placeField(g, 0, 6, 2, f.ScadeCarta);
    placeField(g, 1, 0, 2, f.PartitaIva);
    bottom(g, checkButton(IdentityCheck::PartitaIva, f.PartitaIva), 1, 2);
    placeField(g, 1, 3, 3, f.Iban);
    bottom(g, checkButton(IdentityCheck::Iban, f.Iban), 1, 6);

    // (4) Document, occupation, titles, interests.
    g = section("sezProfilo", "profilo", QStringLiteral("Documento, professione e interessi"));
    placeField(g, 0, 0, 4, f.Documento);
    placeField(g, 0, 4, 2, f.Occupazione);
    placeField(g, 0, 6, 2, f.Civile);
    placeField(g, 1, 0, 3, f.Titoli);
    placeField(g, 1, 3, 3, f.Prodotti);
    placeField(g, 1, 6, 2, f.Zona);

    // (5) Pending questions, notes, services.
    g = section("sezNote", "note", QStringLiteral("Questioni in sospeso, note e servizi"));
    placeField(g, 0, 0, 6, f.Questioni);
    placeField(g, 0, 6, 2, f.Ricontatta);
    placeField(g, 1, 0, 6, f.Note);
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
    const CardField& codFisc = ClientFields::get().CodFisc;
    if (fieldText(codFisc).isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per visualizzare lo storico delle chiamate \u00E8 necessario "
                                          "indicare il codice fiscale dello cliente."));
        fieldControl(codFisc)->setFocus();
        return;
    }
    TfrmStoricoChiamate history(this, fieldText(codFisc));
    history.showModal();
}

void TfrmClienti::btnProveClick() {
    if (!needsSavedCard(QStringLiteral("Attenzione: il riepilogo dei servizi pu\u00F2 essere visualizzato soltanto "
                                       "dopo aver salvato la scheda del cliente.")))
        return;
    const CardField& cliente = ClientFields::get().Cliente;
    if (fieldText(cliente).isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per visualizzare il riepilogo dei servizi \u00E8 necessario "
                                          "indicare il nome del cliente."));
        fieldControl(cliente)->setFocus();
        return;
    }
    TfrmAllegaExcel services(fieldText(cliente), position(), this);
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
