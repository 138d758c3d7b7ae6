#include "appuntamenti/TfrmRiepCosti.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "report/ListReport.h"
#include "ui/Controls.h"
#include "ui/Help.h"
#include "ui/PictureButton.h"
#include "ui/Progress.h"
#include "ui/RecordList.h"

namespace {

QLabel* caption(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel* value(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setStyleSheet(QStringLiteral("font-weight: bold; color: #1f4e6e;"));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

}  // namespace

TfrmRiepCosti::TfrmRiepCosti(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmRiepCosti"));
    setWindowTitle(QStringLiteral(" Plenaro - Riepilogo Incassi"));
    Formats::apply();

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(12, 10, 12, 10);
    v->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->addWidget(caption(QStringLiteral("lblTipologia"), QStringLiteral("Cliente:"), this));
    titTipologia_ = value(QStringLiteral("titTipologia"), this);
    top->addWidget(titTipologia_, 1);
    v->addLayout(top);

    // The summary's list, its total and its quick find, which keeps its text
    // from one opening to the next; the print takes the interval and total.
    auto* panel =
        new TListPanel(QStringLiteral("panContainer"), QStringLiteral("Riepilogo incassi"), QString(), false, this);
    panel->layout()->setSpacing(8);
    v->addWidget(panel, 1);
    lstRecords_ = panel->list();
    lstRecords_->setSorted(true);  // each line starts with its date and time

    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(8);
    lblIntervallo_ = value(QStringLiteral("lblIntervallo"), this);
    lblTotCosti_ = value(QStringLiteral("lblTotCosti"), this);
    totals->addWidget(caption(QStringLiteral("infIntervallo"), QStringLiteral("Intervallo selezionato:"), this), 0, 0);
    totals->addWidget(lblIntervallo_, 0, 1);
    totals->addWidget(caption(QStringLiteral("infTotKmPercorsi"), QStringLiteral("Totale importi: \u20AC"), this), 1,
                      0);
    totals->addWidget(lblTotCosti_, 1, 1);
    totals->setColumnStretch(1, 1);
    panel->aboveFind()->addLayout(totals);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    panel->aboveFind()->addWidget(line);

    txtTrova_ = panel->findText();
    auto* findHint = new QLabel(QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in "
                                               "elenco da cercare e premere il pulsante Trova."),
                                this);
    findHint->setBuddy(txtTrova_);
    panel->aboveFind()->addWidget(findHint);
    txtTrova_->setMinimumWidth(320);
    QPushButton* stampa = panel->printButton();
    stampa->setText(QStringLiteral("Stampa riepilogo"));
    stampa->setMinimumWidth(150);
    QPushButton* esci = panel->closeButton();
    esci->setObjectName(QStringLiteral("btnEsci"));
    esci->setText(QStringLiteral("Esci"));
    esci->setMinimumWidth(100);
    auto* guida =
        new TPictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/img/btn/guida.svg"), QStringLiteral("Guida"),
                           QStringLiteral("Visualizza la guida in linea."), this, QSize(36, 36));
    // The text to find keeps its width; the buttons stand at the right.
    QHBoxLayout* findRow = panel->findRow();
    findRow->setSpacing(8);
    findRow->setStretchFactor(txtTrova_, 0);
    findRow->insertStretch(2, 1);
    findRow->addWidget(guida);
    v->addWidget(
        new QLabel(QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                                  "fare di nuovo clic su Trova."),
                   this));

    lblConta_ = Controls::hiddenLabel(QStringLiteral("lblConta"), this);
    quickFind_ = panel->quickFind();
    quickFind_->keepIn(&findMemory_);

    connect(stampa, &QPushButton::clicked, this, &TfrmRiepCosti::btnStampaClick);
    connect(esci, &QPushButton::clicked, this, &TfrmRiepCosti::btnEsciClick);
    connect(guida, &QAbstractButton::clicked, this, &TfrmRiepCosti::imgGuidaClick);
    // A whole line (156 characters) in sight, so that the amounts at the ends
    // of the lines are seen without scrolling sideways.
    fitListWindow(this, lstRecords_, 156, 640);
}

void TfrmRiepCosti::showSummary(const RevenueQuery& query) {
    query_ = query;
    showModal();
}

void TfrmRiepCosti::FormShow() {
    centreOnScreen();
    load(query_);
    quickFind_->reset();
    txtTrova_->setFocus(Qt::OtherFocusReason);
}

void TfrmRiepCosti::load(const RevenueQuery& query) {
    query_ = query;
    lblConta_->setText(QString::number(query.filterCount()));
    titTipologia_->setText(clientText());
    lstRecords_->clear();
    total_.clear();
    lblTotCosti_->clear();
    RevenueSummary summary;
    bool readable = true;
    try {
        ProgressWork work(this, kLavoroRiepilogo);
        if (!summary.read(query, &work)) {
            // Cancelled: closed once the show is over, nothing summed.
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
            return;
        }
    } catch (const std::exception&) {
        readable = false;
    }
    lstRecords_->setLines(std::move(summary.lines));
    lblIntervallo_->setText(intervalText());
    // A total is shown only when every card could be read; a card that could
    // not is left out of it, and the user is told.
    if (!readable)
        tellWhenShown(MsgKind::Error, Archive::kMsgAccesso);
    else {
        total_ = summary.total.text();
        lblTotCosti_->setText(total_);
        if (summary.leftOut.count() > 0) tellWhenShown(MsgKind::Warning, summary.leftOut.message());
    }
}

QString TfrmRiepCosti::clientText() const {
    const QString client = Text::trim(query_.client);
    return client.isEmpty() ? QStringLiteral("- - -") : client;
}

QString TfrmRiepCosti::intervalText() const {
    return QStringLiteral("Dal   ") + Formats::date(query_.start) + QStringLiteral("   al   ") +
           Formats::date(query_.end);
}

void TfrmRiepCosti::tellWhenShown(MsgKind kind, const QString& text) {
    QTimer::singleShot(0, this, [this, kind, text] {
        if (isVisible()) Msg::of(this, kind, text);
    });
}

void TfrmRiepCosti::FormClose() { lstRecords_->clear(); }

void TfrmRiepCosti::btnStampaClick() {
    if (lstRecords_->count() == 0) {
        Msg::warning(this,
                     QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."));
        return;
    }
    if (Msg::confirm(this, QStringLiteral("Si vuole stampare il presente riepilogo?")) == MsgAnswer::No) return;
    QStringList lines = lstRecords_->lines();
    lines << QStringLiteral("- - - - - - - - - - - - - - - -")
          << QStringLiteral("INTERVALLO SELEZIONATO:    ") + intervalText()
          << QStringLiteral("TOTALE IMPORTI:            \u20AC ") + total_;
    ListReport::printList(this, QStringLiteral("Riepilogo incassi   -   Cliente:  ") + clientText(), lines);
}

void TfrmRiepCosti::btnEsciClick() { close(); }

void TfrmRiepCosti::imgGuidaClick() { Help::open(this, kHelpTitle); }
