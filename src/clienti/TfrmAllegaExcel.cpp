#include "clienti/TfrmAllegaExcel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "report/ListReport.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/RecordList.h"

namespace {

const RecordLayout& voce() { return Layouts::TVoceServizio(); }

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    return Controls::pushButton(QLatin1String(name), text, parent);
}

// While typing, the field is yellow; otherwise light blue with a sky-blue border.
const char* kFieldLook =
    "QLineEdit { background: #F0F8FF; border: 1px solid #87CEEB; padding: 2px; }"
    "QLineEdit:focus { background: #FFFF00; }";

}  // namespace

TfrmAllegaExcel::TfrmAllegaExcel(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmAllegaExcel"));
    setWindowTitle(QStringLiteral(" Riepilogo servizi forniti"));
    Formats::apply();
    auto* outer = new QVBoxLayout(this);

    // The list of services.
    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    auto* lv = new QVBoxLayout(panContainer_);
    lblTitolo_ = new QLabel(panContainer_);
    lblTitolo_->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt; color: #2f6f9f;"));
    lv->addWidget(lblTitolo_);
    lv->addWidget(new QLabel(QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco "
                                            "da cercare e premere il pulsante Trova."),
                             panContainer_));
    auto* findRow = new QHBoxLayout;
    auto* txtTrova = new QLineEdit(panContainer_);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setAccessibleName(QStringLiteral("Testo da cercare nell'elenco"));
    auto* btnTrova = button("btnTrova", QStringLiteral("Trova"), panContainer_);
    findRow->addWidget(txtTrova, 1);
    findRow->addWidget(btnTrova);
    lv->addLayout(findRow);
    list_ = new TRecordList(panContainer_);
    lv->addWidget(list_, 1);
    quickFind_ = new TQuickFind(list_, txtTrova, btnTrova);
    lv->addWidget(new QLabel(QStringLiteral("Per modificare una scheda in elenco, selezionarla con un clic e premere il "
                                            "pulsante Modifica voce."),
                             panContainer_));
    auto* listButtons = new QHBoxLayout;
    lblTotale_ = new QLabel(QStringLiteral("0,00"), panContainer_);
    lblTotale_->setObjectName(QStringLiteral("lblTotale"));
    lblTotale_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt;"));
    auto* totaleCaption = new QLabel(QStringLiteral("Totale importi:"), panContainer_);
    listButtons->addWidget(totaleCaption);
    listButtons->addWidget(lblTotale_);
    listButtons->addStretch();
    auto* aggiungi = button("btnAggiungi", QStringLiteral("Aggiungi voce"), panContainer_);
    auto* modifica = button("btnModifica", QStringLiteral("Modifica voce"), panContainer_);
    auto* stampa = button("btnStampa", QStringLiteral("Stampa riepilogo"), panContainer_);
    auto* chiudi = button("btnChiudi", QStringLiteral("Chiudi"), panContainer_);
    for (QPushButton* b : {aggiungi, modifica, stampa, chiudi}) listButtons->addWidget(b);
    lv->addLayout(listButtons);
    outer->addWidget(panContainer_, 1);

    // One entry.
    panCosti_ = new QWidget(this);
    panCosti_->setObjectName(QStringLiteral("panCosti"));
    panCosti_->setStyleSheet(QString::fromLatin1(kFieldLook));
    auto* ev = new QVBoxLayout(panCosti_);
    ev->addWidget(new QLabel(QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), panCosti_));
    auto* grid = new QGridLayout;
    auto field = [&](const char* name, int capacity) {
        auto* e = new QLineEdit(panCosti_);
        e->setObjectName(QLatin1String(name));
        e->setMaxLength(capacity);
        return e;
    };
    txtData_ = field("txtData", voce().capacity("Data"));
    txtOra_ = field("txtOra", voce().capacity("Ora"));
    txtServizi_ = field("txtServizi", voce().capacity("Servizi"));
    txtAgente_ = field("txtAgente", voce().capacity("Agente"));
    txtImporto_ = field("txtImporto", voce().capacity("Importo"));
    txtData_->setFixedWidth(110);
    txtOra_->setFixedWidth(70);
    txtImporto_->setFixedWidth(130);
    auto* impData = new TPictureButton("impData", ":/img/btn/data.svg", "Data di oggi", "Inserisci la data corrente.",
                                       panCosti_, QSize(28, 28));
    auto* impOra = new TPictureButton("impOra", ":/img/btn/ora.svg", "Ora attuale", "Inserisci l'ora corrente.",
                                      panCosti_, QSize(28, 28));
    auto row = [&](int r, const QString& label, QWidget* w, QWidget* extra = nullptr) {
        auto* l = new QLabel(label, panCosti_);
        l->setBuddy(w);
        grid->addWidget(l, r, 0);
        auto* h = new QHBoxLayout;
        h->addWidget(w);
        if (extra) h->addWidget(extra);
        if (w != txtServizi_ && w != txtAgente_) h->addStretch();
        grid->addLayout(h, r, 1);
    };
    row(0, QStringLiteral("Data:"), txtData_, impData);
    row(1, QStringLiteral("Ora:"), txtOra_, impOra);
    row(2, QStringLiteral("Servizi:"), txtServizi_);
    row(3, QStringLiteral("Agente:"), txtAgente_);
    row(4, QStringLiteral("Importo: \u20AC"), txtImporto_);
    grid->setColumnStretch(1, 1);
    ev->addLayout(grid);
    ev->addStretch();
    lblPosizione_ = new QLabel(panCosti_);
    lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione_->hide();
    lblFile_ = new QLabel(panCosti_);
    lblFile_->setObjectName(QStringLiteral("lblFile"));
    lblFile_->hide();
    auto* entryButtons = new QHBoxLayout;
    entryButtons->addStretch();
    auto* salva = button("btnSalva", QStringLiteral("Salva"), panCosti_);
    auto* close = button("cmdClose", QStringLiteral("Chiudi"), panCosti_);
    entryButtons->addWidget(salva);
    entryButtons->addWidget(close);
    ev->addLayout(entryButtons);
    panCosti_->hide();
    outer->addWidget(panCosti_, 1);

    KeyFilters::enterChain({txtData_, txtOra_, txtServizi_, txtAgente_, txtImporto_});
    KeyFilters::charsOnly(txtImporto_, QStringLiteral(","));
    TypingRules::onExit(txtImporto_, Formats::amountText);

    connect(aggiungi, &QPushButton::clicked, this, &TfrmAllegaExcel::btnAggiungiClick);
    connect(modifica, &QPushButton::clicked, this, &TfrmAllegaExcel::btnModificaClick);
    connect(stampa, &QPushButton::clicked, this, &TfrmAllegaExcel::btnStampaClick);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(salva, &QPushButton::clicked, this, &TfrmAllegaExcel::btnSalvaClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(impData, &QAbstractButton::clicked, this, &TfrmAllegaExcel::impDataClick);
    connect(impOra, &QAbstractButton::clicked, this, &TfrmAllegaExcel::impOraClick);
    resize(1000, 600);
}

QString TfrmAllegaExcel::ownerText(const QString& control) const {
    QWidget* w = parentWidget() ? parentWidget()->findChild<QWidget*>(control) : nullptr;
    return w ? Text::trim(Controls::text(w)) : QString();
}

QString TfrmAllegaExcel::entryLine(const Record& r) const {
    return QStringLiteral("Data: ") + Text::fixed(r.get("Data"), 10) + QStringLiteral("   Ora: ") +
           Text::fixed(r.get("Ora"), 5) + QStringLiteral("   Servizi: ") + Text::fixed(r.get("Servizi"), 54) +
           QStringLiteral("  Agente: ") + Text::fixed(r.get("Agente"), 28) + QStringLiteral("  Costo: \u20AC ") +
           r.get("Importo");
}

void TfrmAllegaExcel::FormShow() {
    quickFind_->reset();
    if (list_->count() > 0) list_->setCurrentRow(0);
    lblTotale_->setText(QStringLiteral("0,00"));
    lblTitolo_->setText(QStringLiteral("Servizi forniti a ") + ownerText(QStringLiteral("txtCliente")));
    lblFile_->setText(ProgramFolder::file(ArchiveFiles::servizi(ownerText(QStringLiteral("lblPosizione")).toInt())));

    list_->clear();
    double total = 0;
    bool any = false;
    try {
        WaitCursor wait;
        TArchivioSchede a;
        a.open(lblFile_->text(), voce());
        Record r(voce());
        while (!a.eof()) {
            a.read(r);
            if (r.get("Importo").isEmpty()) continue;
            list_->addLine(entryLine(r));
            double amount = 0;
            if (!Formats::parseDecimal(r.get("Importo"), &amount)) throw ArchiveError("amount");
            total += amount;
            any = true;
        }
        a.close();
        lblTotale_->setText(QStringLiteral("\u20AC ") + Formats::amount(total));
    } catch (const std::exception&) {
        // The filling stops where it failed; the sum so far, unformatted.
        QString sum = QString::number(total, 'g', 15);
        sum.replace(QLatin1Char('.'), Formats::decimalSeparator());
        lblTotale_->setText(any ? sum : QStringLiteral("0,00"));
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
    findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setFocus(Qt::OtherFocusReason);
}

void TfrmAllegaExcel::FormClose() { list_->clear(); }

void TfrmAllegaExcel::showEntryPanel() {
    panContainer_->hide();
    panCosti_->show();
    txtData_->setFocus(Qt::OtherFocusReason);
}

void TfrmAllegaExcel::btnAggiungiClick() {
    for (QLineEdit* e : {txtData_, txtOra_, txtServizi_, txtAgente_, txtImporto_}) e->clear();
    txtImporto_->setText(QStringLiteral("0,00"));
    lblPosizione_->clear();
    showEntryPanel();
}

void TfrmAllegaExcel::btnModificaClick() {
    if (list_->count() == 0) {
        Msg::information(this, QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const QString chosen = list_->selectedLine();
    if (chosen.isNull()) {
        Msg::warning(this, QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante "
                                          "di modifica."));
        return;
    }
    try {
        // With identical lines the last entry in file order stays loaded.
        Archive::forEach(lblFile_->text(), voce(), [&](const Record& r, int position) {
            if (Text::trim(entryLine(r)) != Text::trim(chosen)) return;
            txtData_->setText(r.get("Data"));
            txtOra_->setText(r.get("Ora"));
            txtServizi_->setText(r.get("Servizi"));
            txtAgente_->setText(r.get("Agente"));
            txtImporto_->setText(r.get("Importo"));
            lblPosizione_->setText(QString::number(position));
        });
    } catch (const std::exception&) {
        reject();
        return;
    }
    showEntryPanel();
}

void TfrmAllegaExcel::btnSalvaClick() {
    struct Required { QLineEdit* field; const char* what; };
    const Required required[] = {
        {txtData_, "la data in cui \u00E8 stato fornito il servizio."},
        {txtOra_, "l'ora in cui \u00E8 stato fornito il servizio."},
        {txtServizi_, "i servizi forniti."},
        {txtAgente_, "il nome dell'agente che ha fornito il servizio."},
        {txtImporto_, "l'importo pagato dal cliente."},
    };
    for (const Required& r : required) {
        if (!Text::trim(r.field->text()).isEmpty()) continue;
        Msg::warning(this, QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") +
                               QString::fromUtf8(r.what));
        r.field->setFocus(Qt::OtherFocusReason);
        return;
    }
    const bool isNew = Text::trim(lblPosizione_->text()).isEmpty();
    const bool ok = Archive::guard(
        this,
        [&] {
            Record r(voce());
            r.set("Data", txtData_->text());
            r.set("Ora", txtOra_->text());
            r.set("Servizi", txtServizi_->text());
            r.set("Agente", txtAgente_->text());
            r.set("Importo", txtImporto_->text());
            TArchivioSchede a;
            a.open(lblFile_->text(), voce());
            a.seek(isNew ? a.count() : Text::trim(lblPosizione_->text()).toInt() - 1);
            a.write(r);
            const int at = a.position();
            a.close();
            lblPosizione_->setText(QString::number(at));
        },
        Archive::AccessBox::Warning);
    if (!ok) return;
    Msg::information(this, isNew ? QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.")
                                 : QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in "
                                                  "archivio."));
}

void TfrmAllegaExcel::impDataClick() { txtData_->setText(Formats::date(Clock::today())); }
void TfrmAllegaExcel::impOraClick() { txtOra_->setText(Formats::time(Clock::time())); }

void TfrmAllegaExcel::btnStampaClick() {
    QStringList lines = list_->lines();
    lines << QStringLiteral("--------------------------")
          << QStringLiteral("TOTALE IMPORTI:    ") + Text::trim(lblTotale_->text());
    ListReport::printList(this, QStringLiteral("Riepilogo servizi forniti a ") + ownerText(QStringLiteral("txtCliente")),
                     lines);
}
