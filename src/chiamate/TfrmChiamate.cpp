#include "chiamate/TfrmChiamate.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "archive/CallFields.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "chiamate/CallRules.h"
#include "chiamate/SchedaChiamata.h"
#include "chiamate/TfrmExpChiamate.h"
#include "chiamate/TfrmRiepChiamateOggi.h"
#include "chiamate/TfrmStampaChiamata.h"
#include "chiamate/TfrmTrovaChiamate.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "ui/PictureButton.h"

TfrmChiamate::TfrmChiamate(QWidget* owner) : TRecordWindow(CallFields::get(), owner) {
    setObjectName(QStringLiteral("frmChiamate"));
    setWindowTitle(QStringLiteral(" Plenaro - Registro Chiamate"));
    buildSections();

    RecordWindowDescription desc;
    addStandardButtons(desc, {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva", "cmdDuplica",
                              "cmdTrova", "cmdStampa"});
    desc.buttons.push_back(
        standardButton("cmdAnteprima", QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente.")));
    desc.buttons.push_back({"cmdRiepOggi", ":/img/btn/oggi.svg", "Oggi",
                            "Visualizza il riepilogo delle chiamate di oggi.", "Chiamate di oggi",
                            [this] { cmdRiepOggiClick(); }});
    desc.buttons.push_back(standardButton("cmdEsporta"));
    desc.buttons.push_back(
        standardButton("cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")));
    desc.buttons.push_back(standardButton("cmdEsci", QStringLiteral("Esci da questa schermata di lavoro.")));
    desc.fileName = ArchiveFiles::Chiamate;
    desc.firstField = CallFields::get().Oggetto;
    desc.rules = CallRules::saveRules();
    desc.helpTitle = kHelpTitle;
    desc.infoText = kInfoIniziale;
    desc.appendMessage = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");
    // A duplicate is a new call of the same client: it has no attachments,
    // and waits for its own date and time before the register is touched.
    desc.duplicateOpensArchive = false;
    desc.duplicateClears = {};
    desc.duplicateFocus = CallFields::get().Giorno;
    FormCreate(desc);
}

void TfrmChiamate::buildSections() {
    const CallFields& f = CallFields::get();
    auto section = [&](const char* name, const char* picture, const QString& title, int columns) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, columns);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col) {
        g->addWidget(w, row, col, Qt::AlignBottom | Qt::AlignLeft);
    };
    // The lists a date or a time is composed from, in a group under its caption.
    auto group = [&](const char* name, const CardField& composed) {
        auto* box = new QGroupBox(QLatin1Char(' ') + composed.caption() + QLatin1Char(' '), fieldsArea());
        box->setObjectName(QLatin1String(name));
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(8, 4, 8, 6);
        return std::pair{box, row};
    };

    // (1) When the call took place, and its direction.
    QGridLayout* g = section("sezChiamata", "chiamata", QStringLiteral("Data, ora e tipo della chiamata"), 0);
    auto [data, dataRow] = group("grpDataRit", f.DataChiamata);
    dataRow->addLayout(labeledField(f.Giorno));
    dataRow->addLayout(labeledField(f.Mese));
    dataRow->addLayout(labeledField(f.Anno));
    dataRow->addWidget(todayButton("impRitiro", f.Anno, [this] { impRitiroClick(); }), 0, Qt::AlignBottom);

    auto [ora, oraRow] = group("grpOraRit", f.OraChiamata);
    oraRow->addLayout(labeledField(f.Ore));
    oraRow->addLayout(labeledField(f.Minuti));
    oraRow->addWidget(fieldButton("impOraRit", ":/img/btn/ora.svg", "Ora attuale", "Inserisci l'ora corrente.",
                                  f.Minuti, [this] { impOraRitClick(); }),
                      0, Qt::AlignBottom);

    g->addWidget(data, 0, 0, Qt::AlignBottom);
    g->addWidget(ora, 0, 1, Qt::AlignBottom);
    QVBoxLayout* tipoCell = labeledField(f.Tipo);
    tipoCell->setContentsMargins(8, 0, 0, 9);  // level with the lists inside the groups
    g->addLayout(tipoCell, 0, 2, Qt::AlignBottom);
    g->setColumnStretch(3, 1);

    // The composed date and time, unseen.
    addField(f.DataChiamata);
    addField(f.OraChiamata);

    // (2) What the call was about.
    g = section("sezEsito", "esito", QStringLiteral("Oggetto ed esito della chiamata"), 4);
    placeField(g, 0, 0, 4, f.Oggetto);
    placeField(g, 1, 0, 4, f.Esito);
    placeField(g, 2, 0, 2, f.Grado);
    placeField(g, 2, 2, 2, f.Durata);

    // (3) Who the client is.
    g = section("sezCliente", "anagrafica", QStringLiteral("Dati del cliente"), 0);
    for (int c : {0, 1, 2, 4, 5}) g->setColumnStretch(c, 1);
    placeField(g, 0, 0, 3, f.Cliente);
    bottom(
        g,
        fieldButton("impCliente", ":/img/btn/cliente.svg", "Importa un cliente",
                    "Importa i dati dall'archivio anagrafico dei clienti.", f.Cliente, [this] { impClienteClick(); }),
        0, 3);
    placeField(g, 0, 4, 2, f.CodFisc);
    bottom(g, checkButton(IdentityCheck::CodiceFiscale, f.CodFisc), 0, 6);
    placeField(g, 1, 0, 3, f.Zona);
    placeField(g, 1, 4, 1, f.Recapito);
    placeField(g, 1, 5, 1, f.TelCel);
    placeField(g, 2, 0, 3, f.Email);
    bottom(g, emailButton(f.Email, QStringLiteral("al cliente")), 2, 3);

    // (4) Notes and who took the call.
    g = section("sezNote", "note", QStringLiteral("Note e operatore"), 4);
    placeField(g, 0, 0, 4, f.Note);
    placeField(g, 1, 0, 2, f.Operatore);
    fieldsLayout()->addStretch();
}

void TfrmChiamate::newCard() {
    // A new call is stamped with the present moment.
    TRecordWindow::newCard();
    const QDateTime now = Clock::now();
    putDate(now.date());
    putTime(now.time());
    setFieldText(CallFields::get().Tipo, QStringLiteral("In entrata"));
}

void TfrmChiamate::putDate(const QDate& d) {
    const CallFields& f = CallFields::get();
    setFieldText(f.Giorno, Formats::twoDigits(d.day()));
    setFieldText(f.Mese, Formats::monthNames().at(d.month() - 1));
    setFieldText(f.Anno, Formats::year(d.year()));
}

void TfrmChiamate::putTime(const QTime& t) {
    const CallFields& f = CallFields::get();
    setFieldText(f.Ore, Formats::twoDigits(t.hour()));
    setFieldText(f.Minuti, Formats::twoDigits(t.minute()));
}

void TfrmChiamate::deriveFields() {
    const CallFields& f = CallFields::get();
    setFieldText(f.DataChiamata, CallRules::composedDate(values()));
    setFieldText(f.OraChiamata, Formats::hhmm(fieldText(f.Ore), fieldText(f.Minuti)));
}

void TfrmChiamate::afterDuplicate() {
    const CallFields& f = CallFields::get();
    for (const CardField& field : {f.Giorno, f.Mese, f.Ore, f.Minuti}) setFieldText(field, QString());
    setFieldText(f.Anno, Formats::year(Clock::today().year()));
}

void TfrmChiamate::impRitiroClick() { putDate(Clock::today()); }

void TfrmChiamate::impOraRitClick() { putTime(Clock::time()); }

void TfrmChiamate::impClienteClick() {
    const ClientFields& client = ClientFields::get();
    const CallFields& f = CallFields::get();
    importClient(QStringLiteral("chiamate"), {{client.Cliente, f.Cliente},
                                              {client.CodFisc, f.CodFisc},
                                              {client.Zona, f.Zona},
                                              {client.Email, f.Email},
                                              {client.TelCel, f.TelCel},
                                              {client.Recapito, f.Recapito}});
}

void TfrmChiamate::cmdTrovaClick() {
    TfrmTrovaChiamate w(this);
    showRecord(w.choose());
}

void TfrmChiamate::cmdRiepOggiClick() {
    TfrmRiepChiamateOggi w(this);
    w.showModal();
}

void TfrmChiamate::cmdEsportaClick() {
    TfrmExpChiamate w(this);
    w.showModal();
}

void TfrmChiamate::cmdStampaClick() {
    TfrmStampaChiamata w(this, SchedaChiamata::rows(*this));
    w.showModal();
}

void TfrmChiamate::cmdAnteprimaClick() {
    TfrmAnteprimaChiamata w(this, SchedaChiamata::rows(*this));
    w.showModal();
}
