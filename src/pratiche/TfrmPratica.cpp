#include "pratiche/TfrmPratica.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "archive/Attachments.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "archive/Province.h"
#include "archive/TfrmTrovaClienti.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "pratiche/CaseDocuments.h"
#include "pratiche/CaseFields.h"
#include "pratiche/CaseSheets.h"
#include "pratiche/TfrmCartella.h"
#include "pratiche/TfrmDettagli.h"
#include "pratiche/TfrmExpPratiche.h"
#include "pratiche/TfrmTrovaPratica.h"
#include "pratiche/TfrmUrgenti.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/PictureButton.h"

TfrmPratica::TfrmPratica(QWidget* owner) : TRecordWindow(CaseFields::get(), owner) {
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
    desc.fileName = ArchiveFiles::Pratiche;
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);
}

void TfrmPratica::buildSections() {
    using Controls::withButton;
    const CaseFields& f = CaseFields::get();

    // (1) The case: subject, type, protocol, dates and state. Fields are
    // added in the order Enter moves through them.
    QGridLayout* g =
        addSection(QStringLiteral("sezPratica"), QStringLiteral("pratica"), QStringLiteral("Dati della pratica"), 4);
    placeField(g, 0, 0, 4, f.Oggetto);
    placeField(g, 1, 0, 2, f.Tipologia);
    placeField(g, 1, 2, 2, f.Protocollo);
    // Each field is added before its button, which Tab reaches right after it.
    QVBoxLayout* apertura = labeledField(f.Apertura);
    g->addLayout(withButton(apertura, todayButton("impApertura", f.Apertura)), 2, 0, Qt::AlignBottom);
    QVBoxLayout* chiusura = labeledField(f.Chiusura);
    g->addLayout(withButton(chiusura, todayButton("impChiusura", f.Chiusura)), 2, 1, Qt::AlignBottom);
    placeField(g, 2, 2, 2, f.Stato);

    // (2) Documents, offices, who follows the case and its urgency.
    g = addSection(QStringLiteral("sezDocumenti"), QStringLiteral("documento"),
                   QStringLiteral("Documenti, uffici e consulente"), 4);
    QVBoxLayout* documenti = labeledField(f.Documenti);
    auto* elenco = fieldButton("btnElenco", ":/img/btn/elenco.svg", "Elenco dei documenti associati",
                               "Visualizza l'elenco dettagliato dei documenti associati alla pratica.", f.Documenti,
                               [this] { btnElencoClick(); });
    elenco->setText(QStringLiteral("Elenco documenti"));
    elenco->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    elenco->setFixedSize(150, 30);
    g->addLayout(withButton(documenti, elenco), 0, 0, 1, 4);
    placeField(g, 1, 0, 4, f.Uffici);
    placeField(g, 2, 0, 2, f.Consulente);
    placeField(g, 2, 2, 2, f.Urgente);

    // (3) The client, imported from the client archive or typed.
    g = addSection(QStringLiteral("sezCliente"), QStringLiteral("anagrafica"), QStringLiteral("Dati del cliente"), 8);
    QVBoxLayout* cliente = labeledField(f.Cliente);
    g->addLayout(withButton(cliente, fieldButton("impCliente", ":/img/btn/cliente.svg", "Importa un cliente",
                                                 "Importa i dati dall'archivio anagrafico dei clienti.", f.Cliente,
                                                 [this] { impClienteClick(); })),
                 0, 0, 1, 5);
    placeField(g, 0, 5, 3, f.Recapito);
    placeField(g, 1, 0, 4, f.IndirizzoRes);
    placeField(g, 1, 4, 2, f.ComuneRes);
    placeField(g, 1, 6, 1, f.ProvRes);
    placeField(g, 1, 7, 1, f.CapRes);
    QVBoxLayout* codFisc = labeledField(f.CodFisc);
    g->addLayout(withButton(codFisc, checkButton(IdentityCheck::CodiceFiscale, f.CodFisc)), 2, 0, 1, 3,
                 Qt::AlignBottom);
    QVBoxLayout* partitaIva = labeledField(f.PartitaIva);
    g->addLayout(withButton(partitaIva, checkButton(IdentityCheck::PartitaIva, f.PartitaIva)), 2, 3, 1, 3,
                 Qt::AlignBottom);

    // (4) Payments and notes.
    g = addSection(QStringLiteral("sezPagamenti"), QStringLiteral("pagamento"), QStringLiteral("Pagamenti e note"), 2);
    placeField(g, 0, 0, 1, f.Saldati);
    placeField(g, 0, 1, 1, f.Sospesi);
    placeField(g, 1, 0, 2, f.Note);
    fieldsLayout()->addStretch();

    // Carried unseen: the document list and the attached files.
    for (const CardField& d : f.Doc) addField(d);
    addAttachmentFields();
}

void TfrmPratica::cmdNuovoClick() {
    TRecordWindow::cmdNuovoClick();
    setFieldText(CaseFields::get().Apertura, Formats::date(Clock::today()));
}

void TfrmPratica::impClienteClick() {
    const ClientFields& client = ClientFields::get();
    const CaseFields& f = CaseFields::get();
    importClient(QStringLiteral("pratica"), {{client.Cliente, f.Cliente},
                                             {client.Recapito, f.Recapito},
                                             {client.IndirizzoRes, f.IndirizzoRes},
                                             {client.ComuneRes, f.ComuneRes},
                                             {client.ProvRes, f.ProvRes},
                                             {client.CapRes, f.CapRes},
                                             {client.CodFisc, f.CodFisc},
                                             {client.PartitaIva, f.PartitaIva}});
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

void TfrmPratica::cmdAllegaClick() { Attachments::editOn(*this, QStringLiteral("pratica")); }

void TfrmPratica::cmdCartellaClick() {
    if (!needsSavedCard(QStringLiteral("Attenzione: l'abbinamento di una cartella ad una pratica pu\u00F2 avvenire "
                                       "soltanto dopo che la scheda \u00E8 stata inserita in archivio.")))
        return;
    TfrmCartella::open(this, position());
}
