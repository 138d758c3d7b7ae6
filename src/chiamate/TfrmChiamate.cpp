#include "chiamate/TfrmChiamate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "archive/Layouts.h"
#include "archive/TfrmTrovaClienti.h"
#include "chiamate/CallRules.h"
#include "chiamate/SchedaChiamata.h"
#include "chiamate/TfrmExpChiamate.h"
#include "chiamate/TfrmRiepChiamateOggi.h"
#include "chiamate/TfrmStampaChiamata.h"
#include "chiamate/TfrmTrovaChiamate.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

TfrmChiamate::TfrmChiamate(QWidget* owner) : TRecordWindow(owner) {
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
    desc.layout = &Layouts::TSchedaChiamata();
    desc.fileName = ArchiveFiles::Chiamate;
    desc.firstField = QStringLiteral("Oggetto");
    desc.rules = CallRules::saveRules();
    desc.helpTitle = kHelpTitle;
    desc.infoText = kInfoIniziale;
    desc.appendMessage = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");
    // A duplicate is a new call of the same client: it has no attachments,
    // and waits for its own date and time before the register is touched.
    desc.duplicateOpensArchive = false;
    desc.duplicateClears = {};
    desc.duplicateFocus = QStringLiteral("Giorno");
    FormCreate(desc);
}

void TfrmChiamate::buildSections() {
    auto section = [&](const char* name, const char* picture, const QString& title, int columns) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, columns);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col) {
        g->addWidget(w, row, col, Qt::AlignBottom | Qt::AlignLeft);
    };
    auto pick = [](const char* field, const char* control, const char* label, const QStringList& entries, int width) {
        return LegacyFieldRow{.field = field,
                              .label = label,
                              .kind = FieldKind::PickList,
                              .control = control,
                              .entries = entries,
                              .width = width};
    };

    // (1) When the call took place, and its direction.
    QGridLayout* g = section("sezChiamata", "chiamata", QStringLiteral("Data, ora e tipo della chiamata"), 0);
    auto* data = new QGroupBox(QStringLiteral(" Data chiamata: "), fieldsArea());
    data->setObjectName(QStringLiteral("grpDataRit"));
    auto* dataRow = new QHBoxLayout(data);
    dataRow->setContentsMargins(8, 4, 8, 6);
    dataRow->addLayout(labeledField(pick("Giorno", "txtGiornoRit", "Giorno:", Formats::twoDigitRange(1, 31), 62)));
    dataRow->addLayout(labeledField(pick("Mese", "txtMeseRit", "Mese:", Formats::monthNames(), 126)));
    // The year is any number of digits: a wrong one is told at save.
    dataRow->addLayout(labeledField({.field = "Anno",
                                     .label = "Anno:",
                                     .rules = FieldKinds::DigitsOnly,
                                     .control = "lblAnnoRit",
                                     .width = 64,
                                     .limited = false}));
    dataRow->addWidget(fieldButton("impRitiro", ":/img/btn/data.svg", "Data di oggi", "Inserisci la data corrente.",
                                   "Anno", [this] { impRitiroClick(); }),
                       0, Qt::AlignBottom);

    auto* ora = new QGroupBox(QStringLiteral(" Ora chiamata: "), fieldsArea());
    ora->setObjectName(QStringLiteral("grpOraRit"));
    auto* oraRow = new QHBoxLayout(ora);
    oraRow->setContentsMargins(8, 4, 8, 6);
    oraRow->addLayout(labeledField(pick("Ore", "txtOreRit", "Ore:", Formats::twoDigitRange(0, 23), 62)));
    oraRow->addLayout(labeledField(pick("Minuti", "txtMinutiRit", "Minuti:", Formats::twoDigitRange(0, 59), 62)));
    oraRow->addWidget(fieldButton("impOraRit", ":/img/btn/ora.svg", "Ora attuale", "Inserisci l'ora corrente.",
                                  "Minuti", [this] { impOraRitClick(); }),
                      0, Qt::AlignBottom);

    g->addWidget(data, 0, 0, Qt::AlignBottom);
    g->addWidget(ora, 0, 1, Qt::AlignBottom);
    QVBoxLayout* tipoCell = labeledField({.field = "Tipo",
                                          .label = "Tipo chiamata:",
                                          .kind = FieldKind::PickList,
                                          .entries = {"In entrata", "In uscita"},
                                          .width = 150});
    tipoCell->setContentsMargins(8, 0, 0, 9);  // level with the lists inside the groups
    g->addLayout(tipoCell, 0, 2, Qt::AlignBottom);
    g->setColumnStretch(3, 1);

    // The composed date and time, unseen.
    addField({.field = "DataChiamata", .kind = FieldKind::Derived, .control = "lblDataRit"});
    addField({.field = "OraChiamata", .kind = FieldKind::Derived, .control = "lblOraRit"});

    // (2) What the call was about.
    g = section("sezEsito", "esito", QStringLiteral("Oggetto ed esito della chiamata"), 4);
    placeField(g, 0, 0, 4, {.field = "Oggetto", .label = "Oggetto:"});
    placeField(g, 1, 0, 4, {.field = "Esito", .label = "Esito:"});
    placeField(g, 2, 0, 2, {.field = "Grado", .label = "Grado soddisfazione:"});
    placeField(g, 2, 2, 2, {.field = "Durata", .label = "Durata:"});

    // (3) Who the client is.
    g = section("sezCliente", "anagrafica", QStringLiteral("Dati del cliente"), 0);
    for (int c : {0, 1, 2, 4, 5}) g->setColumnStretch(c, 1);
    placeField(g, 0, 0, 3, {.field = "Cliente", .label = "Cognome e nome cliente:"});
    bottom(
        g,
        fieldButton("impCliente", ":/img/btn/cliente.svg", "Importa un cliente",
                    "Importa i dati dall'archivio anagrafico dei clienti.", "Cliente", [this] { impClienteClick(); }),
        0, 3);
    placeField(g, 0, 4, 2, {.field = "CodFisc", .label = "Codice fiscale:", .rules = FieldKinds::TrimmedUpper});
    bottom(g, checkButton(IdentityCheck::CodiceFiscale, "CodFisc"), 0, 6);
    placeField(g, 1, 0, 3, {.field = "Zona", .label = "Zona di appartenenza:"});
    placeField(g, 1, 4, 1, {.field = "Recapito", .label = "Tel. preferenziale:"});
    placeField(g, 1, 5, 1, {.field = "TelCel", .label = "Tel. cellulare:"});
    placeField(g, 2, 0, 3,
               {.field = "Email", .label = "E-mail:", .rules = FieldKinds::Trimmed | FieldKinds::TrimmedOnExit});
    bottom(g, emailButton("Email"), 2, 3);

    // (4) Notes and who took the call.
    g = section("sezNote", "note", QStringLiteral("Note e operatore"), 4);
    placeField(g, 0, 0, 4, {.field = "Note", .label = "Note:"});
    placeField(g, 1, 0, 2, {.field = "Operatore", .label = "Operatore / Agente:"});
    fieldsLayout()->addStretch();
}

void TfrmChiamate::newCard() {
    // A new call is stamped with the present moment.
    TRecordWindow::newCard();
    const QDateTime now = Clock::now();
    putDate(now.date());
    putTime(now.time());
    setFieldText(QStringLiteral("Tipo"), QStringLiteral("In entrata"));
}

void TfrmChiamate::putDate(const QDate& d) {
    setFieldText(QStringLiteral("Giorno"), Formats::twoDigits(d.day()));
    setFieldText(QStringLiteral("Mese"), Formats::monthNames().at(d.month() - 1));
    setFieldText(QStringLiteral("Anno"), Formats::year(d.year()));
}

void TfrmChiamate::putTime(const QTime& t) {
    setFieldText(QStringLiteral("Ore"), Formats::twoDigits(t.hour()));
    setFieldText(QStringLiteral("Minuti"), Formats::twoDigits(t.minute()));
}

void TfrmChiamate::deriveFields() {
    setFieldText(QStringLiteral("DataChiamata"), CallRules::composedDate(values()));
    setFieldText(QStringLiteral("OraChiamata"),
                 Formats::hhmm(fieldText(QStringLiteral("Ore")), fieldText(QStringLiteral("Minuti"))));
}

void TfrmChiamate::afterDuplicate() {
    for (const char* field : {"Giorno", "Mese", "Ore", "Minuti"}) setFieldText(QLatin1String(field), QString());
    setFieldText(QStringLiteral("Anno"), Formats::year(Clock::today().year()));
}

void TfrmChiamate::impRitiroClick() { putDate(Clock::today()); }

void TfrmChiamate::impOraRitClick() { putTime(Clock::time()); }

void TfrmChiamate::impClienteClick() {
    // The client's fields a call keeps, under the same names in both archives.
    importClient(QStringLiteral("chiamate"), {{"Cliente", "Cliente"},
                                              {"CodFisc", "CodFisc"},
                                              {"Zona", "Zona"},
                                              {"Email", "Email"},
                                              {"TelCel", "TelCel"},
                                              {"Recapito", "Recapito"}});
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
