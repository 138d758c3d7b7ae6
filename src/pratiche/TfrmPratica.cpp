#include "pratiche/TfrmPratica.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "archive/Attachments.h"
#include "archive/Layouts.h"
#include "archive/Province.h"
#include "archive/TfrmTrovaClienti.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "pratiche/CaseDocuments.h"
#include "pratiche/CaseRules.h"
#include "pratiche/CaseSheets.h"
#include "pratiche/TfrmCartella.h"
#include "pratiche/TfrmDettagli.h"
#include "pratiche/TfrmExpPratiche.h"
#include "pratiche/TfrmTrovaPratica.h"
#include "pratiche/TfrmUrgenti.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/PictureButton.h"

const QStringList& TfrmPratica::states() {
    static const QStringList s = {"Aperta", "In lavorazione", "Sospesa", "Non saldata", "Chiusa e saldata"};
    return s;
}

TfrmPratica::TfrmPratica(QWidget* owner) : TRecordWindow(owner) {
    setObjectName(QStringLiteral("frmPratica"));
    setWindowTitle(QStringLiteral(" Plenaro - Archivio Pratiche"));
    buildSections();

    // Standard buttons under the names this window has always given them.
    auto renamed = [](WindowButton b, const char* name) {
        b.name = QLatin1String(name);
        return b;
    };
    RecordWindowDescription desc;
    addStandardButtons(desc, {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva", "cmdTrova",
                              "cmdStampa", "cmdAnteprima"});
    desc.buttons.push_back(renamed(standardButton("cmdEsporta", {}, [this] { cmdExcelClick(); }), "cmdExcel"));
    desc.buttons.push_back({"cmdUrgente", ":/img/btn/urgente.svg", "Urgenti",
                            "Visualizza il riepilogo delle pratiche urgenti.", "Pratiche urgenti",
                            [this] { cmdUrgenteClick(); }});
    desc.buttons.push_back(renamed(standardButton("cmdFile", {}, [this] { cmdAllegaClick(); }), "cmdAllega"));
    desc.buttons.push_back({"cmdCartella", ":/img/btn/cartella.svg", "Cartella",
                            "Gestisci la cartella abbinata alla scheda corrente.", "Cartella della pratica",
                            [this] { cmdCartellaClick(); }});
    addStandardButtons(desc, {"cmdGuida", "cmdEsci"});
    desc.layout = &Layouts::TSchedaPratica();
    desc.fileName = ArchiveFiles::Pratiche;
    desc.rules = CaseRules::saveRules();
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);
}

void TfrmPratica::buildSections() {
    using Controls::withButton;
    auto today = [this](const char* name, const char* field, void (TfrmPratica::*handler)()) {
        return fieldButton(QLatin1String(name), QStringLiteral(":/img/btn/data.svg"), QStringLiteral("Data di oggi"),
                           QStringLiteral("Inserisci la data corrente."), QLatin1String(field),
                           [this, handler] { (this->*handler)(); });
    };

    // (1) The case: subject, type, protocol, dates and state. Rows are added
    // in the order Enter moves through them.
    QGridLayout* g =
        addSection(QStringLiteral("sezPratica"), QStringLiteral("pratica"), QStringLiteral("Dati della pratica"), 4);
    placeField(g, 0, 0, 4, {.field = "Oggetto", .label = "Oggetto pratica:"});
    placeField(g, 1, 0, 2, {.field = "Tipologia", .label = "Tipologia:"});
    placeField(g, 1, 2, 2, {.field = "Protocollo", .label = "Protocollo n."});
    // Each field is added before its button, which Tab reaches right after it.
    QVBoxLayout* apertura = labeledField({.field = "Apertura", .label = "Data apertura:"});
    g->addLayout(withButton(apertura, today("impApertura", "Apertura", &TfrmPratica::impAperturaClick)), 2, 0,
                 Qt::AlignBottom);
    QVBoxLayout* chiusura = labeledField({.field = "Chiusura", .label = "Data chiusura:"});
    g->addLayout(withButton(chiusura, today("impChiusura", "Chiusura", &TfrmPratica::impChiusuraClick)), 2, 1,
                 Qt::AlignBottom);
    placeField(g, 2, 2, 2,
               {.field = "Stato", .label = "Stato avanzamento:", .kind = FieldKind::TypedList, .entries = states()});

    // (2) Documents, offices, who follows the case and its urgency.
    g = addSection(QStringLiteral("sezDocumenti"), QStringLiteral("documento"),
                   QStringLiteral("Documenti, uffici e consulente"), 4);
    QVBoxLayout* documenti = labeledField({.field = "Documenti", .label = "Documenti principali:"});
    auto* elenco = fieldButton("btnElenco", ":/img/btn/elenco.svg", "Elenco dei documenti associati",
                               "Visualizza l'elenco dettagliato dei documenti associati alla pratica.", "Documenti",
                               [this] { btnElencoClick(); });
    elenco->setText(QStringLiteral("Elenco documenti"));
    elenco->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    elenco->setFixedSize(150, 30);
    g->addLayout(withButton(documenti, elenco), 0, 0, 1, 4);
    placeField(g, 1, 0, 4, {.field = "Uffici", .label = "Uffici interessati:"});
    placeField(g, 2, 0, 2, {.field = "Consulente", .label = "Consulente o curatore:"});
    placeField(g, 2, 2, 2,
               {.field = "Urgente",
                .label = "Pratica urgente",
                .kind = FieldKind::Flag,
                .hint = "Contrassegna la pratica come urgente."});

    // (3) The client, imported from the client archive or typed.
    g = addSection(QStringLiteral("sezCliente"), QStringLiteral("anagrafica"), QStringLiteral("Dati del cliente"), 8);
    QVBoxLayout* cliente = labeledField({.field = "Cliente", .label = "Cliente:"});
    g->addLayout(withButton(cliente, fieldButton("impCliente", ":/img/btn/cliente.svg", "Importa un cliente",
                                                 "Importa i dati dall'archivio anagrafico dei clienti.", "Cliente",
                                                 [this] { impClienteClick(); })),
                 0, 0, 1, 5);
    placeField(g, 0, 5, 3, {.field = "Recapito", .label = "Recapito preferenziale:"});
    placeField(g, 1, 0, 4, {.field = "IndirizzoRes", .label = "Via / Piazza e numero civico:"});
    placeField(g, 1, 4, 2, {.field = "ComuneRes", .label = "Comune di residenza:"});
    placeField(g, 1, 6, 1,
               {.field = "ProvRes",
                .label = "Prov.",
                .kind = FieldKind::UpperList,
                .entries = Province::codes(),
                .width = 64});
    placeField(g, 1, 7, 1, {.field = "CapRes", .label = "CAP:"});
    QVBoxLayout* codFisc =
        labeledField({.field = "CodFisc", .label = "Codice fiscale:", .rules = FieldKinds::TrimmedUpper});
    g->addLayout(withButton(codFisc, checkButton(IdentityCheck::CodiceFiscale)), 2, 0, 1, 3, Qt::AlignBottom);
    QVBoxLayout* partitaIva =
        labeledField({.field = "PartitaIva", .label = "Partita IVA:", .rules = FieldKinds::DigitsOnly});
    g->addLayout(withButton(partitaIva, checkButton(IdentityCheck::PartitaIva)), 2, 3, 1, 3, Qt::AlignBottom);

    // (4) Payments and notes.
    g = addSection(QStringLiteral("sezPagamenti"), QStringLiteral("pagamento"), QStringLiteral("Pagamenti e note"), 2);
    placeField(g, 0, 0, 1, {.field = "Saldati", .label = "Pagamenti saldati:"});
    placeField(g, 0, 1, 1, {.field = "Sospesi", .label = "Pagamenti da effettuare:"});
    placeField(g, 1, 0, 2, {.field = "Note", .label = "Note:"});
    fieldsLayout()->addStretch();

    // Carried unseen: the document list and the attached files.
    for (int i = 0; i < CaseDocuments::kEntries; ++i)
        addField({.field = CaseDocuments::field(i), .kind = FieldKind::Hidden});
    addAttachmentFields();
}

void TfrmPratica::cmdNuovoClick() {
    TRecordWindow::cmdNuovoClick();
    impAperturaClick();
}

void TfrmPratica::impAperturaClick() { setFieldText(QStringLiteral("Apertura"), Formats::date(Clock::today())); }

void TfrmPratica::impChiusuraClick() { setFieldText(QStringLiteral("Chiusura"), Formats::date(Clock::today())); }

void TfrmPratica::impClienteClick() {
    // The client's fields a case keeps, under the same names in both archives.
    importClient(TfrmTrovaClienti::Mode::Pratica, {{"Cliente", "Cliente"},
                                                   {"Recapito", "Recapito"},
                                                   {"IndirizzoRes", "IndirizzoRes"},
                                                   {"ComuneRes", "ComuneRes"},
                                                   {"ProvRes", "ProvRes"},
                                                   {"CapRes", "CapRes"},
                                                   {"CodFisc", "CodFisc"},
                                                   {"PartitaIva", "PartitaIva"}});
}

void TfrmPratica::cmdTrovaClick() {
    TfrmTrovaPratica w(this);
    showRecord(w.choose());
}

void TfrmPratica::cmdUrgenteClick() {
    TfrmUrgenti w(this);
    showRecord(w.choose());
}

void TfrmPratica::cmdExcelClick() {
    TfrmExpPratiche w(this);
    w.showModal();
}

void TfrmPratica::cmdStampaClick() {
    const std::unique_ptr<TReport> sheet = CaseSheets::caseSheet(values());
    sheet->prepare();
    sheet->print(this);
}

void TfrmPratica::cmdAnteprimaClick() {
    const std::unique_ptr<TReport> sheet = CaseSheets::caseSheet(values());
    sheet->prepare();
    sheet->preview(this);
}

void TfrmPratica::btnElencoClick() { TfrmDettagli::editOn(*this); }

void TfrmPratica::cmdAllegaClick() { Attachments::editOn(*this, Attachments::Mode::Pratica); }

void TfrmPratica::cmdCartellaClick() {
    if (!needsSavedCard(QStringLiteral("Attenzione: l'abbinamento di una cartella ad una pratica pu\u00F2 avvenire "
                                       "soltanto dopo che la scheda \u00E8 stata inserita in archivio.")))
        return;
    TfrmCartella::open(this, position());
}
