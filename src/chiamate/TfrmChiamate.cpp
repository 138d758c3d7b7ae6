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
#include "archive/checks/Checks.h"
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

namespace {

QString year(const QDate& d) { return QString::number(d.year()).rightJustified(4, QLatin1Char('0')); }

}  // namespace

const QStringList& TfrmChiamate::monthNames() {
    static const QStringList names = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                      "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    return names;
}

TfrmChiamate::TfrmChiamate(QWidget* owner) : TRecordWindow(owner) {
    setObjectName(QStringLiteral("frmChiamate"));
    setWindowTitle(QStringLiteral(" Plenaro - Registro Chiamate"));
    buildSections();

    RecordWindowDescription desc;
    for (const char* name : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva",
                             "cmdDuplica", "cmdTrova", "cmdStampa"})
        desc.buttons.push_back(standardButton(QLatin1String(name)));
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
    desc.controlOf = {{"Giorno", "txtGiornoRit"},        {"Mese", "txtMeseRit"},  {"Anno", "lblAnnoRit"},
                      {"DataChiamata", "lblDataRit"},    {"Ore", "txtOreRit"},    {"Minuti", "txtMinutiRit"},
                      {"OraChiamata", "lblOraRit"}};
    // The year is any number of digits: a wrong one is told at save.
    desc.noMaxLength = {"lblAnnoRit"};
    desc.firstField = QStringLiteral("txtOggetto");
    desc.enterChain = {"txtGiornoRit", "txtMeseRit", "lblAnnoRit", "txtOreRit",   "txtMinutiRit", "txtTipo",
                       "txtOggetto",   "txtEsito",   "txtGrado",   "txtDurata",   "txtCliente",   "txtCodFisc",
                       "txtZona",      "txtRecapito", "txtTelCel", "txtEmail",    "txtNote",      "txtOperatore"};
    desc.helpTitle = kHelpTitle;
    desc.infoText = kInfoIniziale;
    desc.appendMessage = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");
    // A duplicate is a new call of the same client: it has no attachments,
    // and waits for its own date and time before the register is touched.
    desc.duplicateOpensArchive = false;
    desc.duplicateClears = {};
    FormCreate(desc);
}

QComboBox* TfrmChiamate::pickList(const QString& objectName, const QStringList& entries, int width) {
    return FieldKinds::pickList(fieldsArea(), objectName, entries, width);
}

void TfrmChiamate::buildSections() {
    QWidget* area = fieldsArea();
    auto section = [&](const char* name, const char* picture, const QString& title, int columns) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, columns);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col) {
        g->addWidget(w, row, col, Qt::AlignBottom | Qt::AlignLeft);
    };
    using Controls::addLabeled;

    // (1) When the call took place, and its direction.
    QGridLayout* g = section("sezChiamata", "chiamata", QStringLiteral("Data, ora e tipo della chiamata"), 0);
    auto* data = new QGroupBox(QStringLiteral(" Data chiamata: "), area);
    data->setObjectName(QStringLiteral("grpDataRit"));
    auto* dataRow = new QHBoxLayout(data);
    dataRow->setContentsMargins(8, 4, 8, 6);
    txtGiornoRit_ = pickList("txtGiornoRit", Formats::twoDigitRange(1, 31), 62);
    txtMeseRit_ = pickList("txtMeseRit", monthNames(), 126);
    lblAnnoRit_ = FieldKinds::text(area, QStringLiteral("lblAnnoRit"), FieldKinds::DigitsOnly);
    lblAnnoRit_->setFixedWidth(64);
    dataRow->addLayout(Controls::labeled(QStringLiteral("Giorno:"), txtGiornoRit_));
    dataRow->addLayout(Controls::labeled(QStringLiteral("Mese:"), txtMeseRit_));
    dataRow->addLayout(Controls::labeled(QStringLiteral("Anno:"), lblAnnoRit_));
    auto* impRitiro = TPictureButton::fieldButton("impRitiro", ":/img/btn/data.svg", "Data di oggi", "Inserisci la data corrente.", area);
    connect(impRitiro, &QAbstractButton::clicked, this, &TfrmChiamate::impRitiroClick);
    dataRow->addWidget(impRitiro, 0, Qt::AlignBottom);

    auto* ora = new QGroupBox(QStringLiteral(" Ora chiamata: "), area);
    ora->setObjectName(QStringLiteral("grpOraRit"));
    auto* oraRow = new QHBoxLayout(ora);
    oraRow->setContentsMargins(8, 4, 8, 6);
    txtOreRit_ = pickList("txtOreRit", Formats::twoDigitRange(0, 23), 62);
    txtMinutiRit_ = pickList("txtMinutiRit", Formats::twoDigitRange(0, 59), 62);
    oraRow->addLayout(Controls::labeled(QStringLiteral("Ore:"), txtOreRit_));
    oraRow->addLayout(Controls::labeled(QStringLiteral("Minuti:"), txtMinutiRit_));
    auto* impOraRit = TPictureButton::fieldButton("impOraRit", ":/img/btn/ora.svg", "Ora attuale", "Inserisci l'ora corrente.", area);
    connect(impOraRit, &QAbstractButton::clicked, this, &TfrmChiamate::impOraRitClick);
    oraRow->addWidget(impOraRit, 0, Qt::AlignBottom);

    txtTipo_ = pickList("txtTipo", {"In entrata", "In uscita"}, 150);
    g->addWidget(data, 0, 0, Qt::AlignBottom);
    g->addWidget(ora, 0, 1, Qt::AlignBottom);
    QVBoxLayout* tipoCell = Controls::labeled(QStringLiteral("Tipo chiamata:"), txtTipo_);
    tipoCell->setContentsMargins(8, 0, 0, 9);  // level with the lists inside the groups
    g->addLayout(tipoCell, 0, 2, Qt::AlignBottom);
    g->setColumnStretch(3, 1);

    // The hidden composed date and time of the card last read.
    FieldKinds::derived(area, QStringLiteral("lblDataRit"));
    FieldKinds::derived(area, QStringLiteral("lblOraRit"));

    // (2) What the call was about.
    g = section("sezEsito", "esito", QStringLiteral("Oggetto ed esito della chiamata"), 4);
    addLabeled(g, 0, 0, 4, QStringLiteral("Oggetto:"), addEdit("Oggetto"));
    addLabeled(g, 1, 0, 4, QStringLiteral("Esito:"), addEdit("Esito"));
    addLabeled(g, 2, 0, 2, QStringLiteral("Grado soddisfazione:"), addEdit("Grado"));
    addLabeled(g, 2, 2, 2, QStringLiteral("Durata:"), addEdit("Durata"));

    // (3) Who the client is.
    g = section("sezCliente", "anagrafica", QStringLiteral("Dati del cliente"), 0);
    for (int c : {0, 1, 2, 4, 5}) g->setColumnStretch(c, 1);
    addLabeled(g, 0, 0, 3, QStringLiteral("Cognome e nome cliente:"), addEdit("Cliente"));
    auto* impCliente = TPictureButton::fieldButton("impCliente", ":/img/btn/cliente.svg", "Importa un cliente",
                                   "Importa i dati dall'archivio anagrafico dei clienti.", area);
    connect(impCliente, &QAbstractButton::clicked, this, &TfrmChiamate::impClienteClick);
    bottom(g, impCliente, 0, 3);
    QLineEdit* cf = addEdit("CodFisc", FieldKinds::TrimmedUpper);
    addLabeled(g, 0, 4, 2, QStringLiteral("Codice fiscale:"), cf);
    auto* checkCf = TPictureButton::fieldButton("btnCodFisc", ":/img/btn/controlla.svg", "Controlla il codice fiscale",
                                "Controlla il codice fiscale.", area);
    connect(checkCf, &QAbstractButton::clicked, this, &TfrmChiamate::btnCodFiscClick);
    bottom(g, checkCf, 0, 6);
    addLabeled(g, 1, 0, 3, QStringLiteral("Zona di appartenenza:"), addEdit("Zona"));
    addLabeled(g, 1, 4, 1, QStringLiteral("Tel. preferenziale:"), addEdit("Recapito"));
    addLabeled(g, 1, 5, 1, QStringLiteral("Tel. cellulare:"), addEdit("TelCel"));
    QLineEdit* email = addEdit("Email", FieldKinds::Trimmed | FieldKinds::TrimmedOnExit);
    addLabeled(g, 2, 0, 3, QStringLiteral("E-mail:"), email);
    auto* mail = TPictureButton::fieldButton("btnEmail", ":/img/btn/email.svg", "Invia una e-mail al cliente",
                             "Invia una e-mail all'indirizzo indicato.", area);
    connect(mail, &QAbstractButton::clicked, this, &TfrmChiamate::btnEmailClick);
    bottom(g, mail, 2, 3);

    // (4) Notes and who took the call.
    g = section("sezNote", "note", QStringLiteral("Note e operatore"), 4);
    addLabeled(g, 0, 0, 4, QStringLiteral("Note:"), addEdit("Note"));
    addLabeled(g, 1, 0, 2, QStringLiteral("Operatore / Agente:"), addEdit("Operatore"));
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
    setFieldText(QStringLiteral("Mese"), monthNames().at(d.month() - 1));
    setFieldText(QStringLiteral("Anno"), year(d));
}

void TfrmChiamate::putTime(const QTime& t) {
    setFieldText(QStringLiteral("Ore"), Formats::twoDigits(t.hour()));
    setFieldText(QStringLiteral("Minuti"), Formats::twoDigits(t.minute()));
}

bool TfrmChiamate::refuse(const QString& name, const QString& warning, bool plain) {
    if (plain) Msg::plain(this, warning);
    else Msg::warning(this, warning);
    if (QWidget* c = control(name)) c->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TfrmChiamate::validate() {
    auto value = [this](const char* field) { return fieldText(QLatin1String(field)); };
    const QString day = value("Giorno"), month = value("Mese"), yearText = value("Anno");
    const QString hour = value("Ore"), minutes = value("Minuti");

    if (day.isEmpty()) return refuse("txtGiornoRit", RequiredField::needs("il giorno della chiamata."));
    if (day.size() < 2) return refuse("txtGiornoRit", RequiredField::needs("il giorno della chiamata usando due cifre."));
    if (month.isEmpty()) return refuse("txtMeseRit", RequiredField::needs("il mese della chiamata."));
    if (yearText.isEmpty()) return refuse("lblAnnoRit", RequiredField::needs("l'anno della chiamata."));
    if (yearText.size() < 4) return refuse("lblAnnoRit", RequiredField::needs("l'anno della chiamata usando quattro cifre."));
    if (hour.isEmpty()) return refuse("txtOreRit", RequiredField::needs("l'ora della chiamata."));
    if (minutes.isEmpty()) return refuse("txtMinutiRit", RequiredField::needs("i minuti dell'ora della chiamata."));
    if (hour.size() < 2) return refuse("txtOreRit", RequiredField::needs("l'ora della chiamata usando due cifre."));
    if (minutes.size() < 2)
        return refuse("txtMinutiRit", RequiredField::needs("i minuti dell'ora della vendita usando due cifre."));
    if (value("Tipo").isEmpty())
        return refuse("txtTipo", RequiredField::needs("il tipo di chiamata (in entrata o in uscita)."));
    if (value("Oggetto").isEmpty()) return refuse("txtOggetto", RequiredField::needs("l'oggetto della chiamata."));
    if (value("Cliente").isEmpty()) return refuse("txtCliente", RequiredField::needs("il nome del cliente."));
    if (value("CodFisc").isEmpty()) return refuse("txtCodFisc", RequiredField::needs("il codice fiscale del cliente."));
    if (value("TelCel").isEmpty()) return refuse("txtTelCel", RequiredField::needs("il numero di cellulare del cliente."));

    int m = -1;
    for (int i = 0; i < monthNames().size(); ++i)
        if (Text::lowerAZ(monthNames().at(i)) == Text::lowerAZ(month)) m = i + 1;
    if (m < 0)
        return refuse("txtMeseRit", QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                                                   "Per poter salvare la scheda \u00E8 necessario indicare una data "
                                                   "valida."));

    const QChar sep = Formats::dateSeparator();
    const QString composed = day + sep + Formats::twoDigits(m) + sep + yearText;
    setFieldText(QStringLiteral("DataChiamata"), composed);
    if (!Formats::parseDate(composed).isValid())
        return refuse("txtGiornoRit",
                      QStringLiteral("Attenzione: la data ") + composed + QStringLiteral(" non esiste.") +
                          QStringLiteral("\n\r\n\r") +
                          QStringLiteral("Per poter salvare la scheda \u00E8 necessario indicare una data valida."),
                      true);
    return true;
}

void TfrmChiamate::completeRecord(Record& record) const {
    record.set(QStringLiteral("OraChiamata"), Text::trim(txtOreRit_->currentText()) + QLatin1Char(':') +
                                                  Text::trim(txtMinutiRit_->currentText()));
}

void TfrmChiamate::afterDuplicate() {
    for (const char* field : {"Giorno", "Mese", "Ore", "Minuti"}) setFieldText(QLatin1String(field), QString());
    setFieldText(QStringLiteral("Anno"), year(Clock::today()));
}

QWidget* TfrmChiamate::duplicateFocus() const { return txtGiornoRit_; }

void TfrmChiamate::impRitiroClick() { putDate(Clock::today()); }

void TfrmChiamate::impOraRitClick() { putTime(Clock::time()); }

void TfrmChiamate::impClienteClick() {
    const std::optional<FoundRecord> client = TfrmTrovaClienti::open(this, QStringLiteral("chiamate"));
    if (!client) return;
    // The client's fields a call keeps, under the same names in both archives.
    for (const char* field : {"Cliente", "CodFisc", "Zona", "Email", "TelCel", "Recapito"})
        setFieldText(QLatin1String(field), client->record.get(QLatin1String(field)));
}

void TfrmChiamate::btnCodFiscClick() { Checks::openCodiceFiscale(this, fieldText("CodFisc")); }

void TfrmChiamate::btnEmailClick() { openMail(QStringLiteral("Email")); }

void TfrmChiamate::cmdTrovaClick() {
    TfrmTrovaChiamate w(this);
    w.setMode(QStringLiteral("chiamate"));
    w.choose();
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
