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

QString leftOutText(qint64 count, qint64 first) {
    const QString n = QString::number(first);
    if (count == 1)
        return QStringLiteral(
                   "Attenzione: 1 scheda non \u00E8 compresa nel riepilogo perch\u00E9 la data o l'importo "
                   "non sono leggibili (\u00E8 la scheda n. ") +
               n + QStringLiteral(").");
    return QStringLiteral("Attenzione: ") + QString::number(count) +
           QStringLiteral(
               " schede non sono comprese nel riepilogo perch\u00E9 la data o l'importo non sono leggibili "
               "(la prima \u00E8 la scheda n. ") +
           n + QStringLiteral(").");
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

    lstRecords_ = new TRecordList(this);
    lstRecords_->setSorted(true);  // each line starts with its date and time
    lstRecords_->setAccessibleName(QStringLiteral("Riepilogo incassi"));
    v->addWidget(lstRecords_, 1);

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
    v->addLayout(totals);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    v->addWidget(line);

    auto* findHint = new QLabel(QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in "
                                               "elenco da cercare e premere il pulsante Trova."),
                                this);
    v->addWidget(findHint);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    txtTrova_ = new QLineEdit(this);
    txtTrova_->setObjectName(QStringLiteral("txtTrova"));
    txtTrova_->setAccessibleName(QStringLiteral("Testo da cercare nell'elenco"));
    txtTrova_->setMinimumWidth(320);
    findHint->setBuddy(txtTrova_);
    QPushButton* trova = Controls::pushButton(QStringLiteral("btnTrova"), QStringLiteral("Trova"), this);
    QPushButton* stampa = Controls::pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa riepilogo"), this);
    QPushButton* esci = Controls::pushButton(QStringLiteral("btnEsci"), QStringLiteral("Esci"), this);
    stampa->setMinimumWidth(150);
    esci->setMinimumWidth(100);
    auto* guida =
        new TPictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/img/btn/guida.svg"), QStringLiteral("Guida"),
                           QStringLiteral("Visualizza la guida in linea."), this, QSize(36, 36));
    bottom->addWidget(txtTrova_);
    bottom->addWidget(trova);
    bottom->addStretch(1);
    bottom->addWidget(stampa);
    bottom->addWidget(esci);
    bottom->addWidget(guida);
    v->addLayout(bottom);
    v->addWidget(
        new QLabel(QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                                  "fare di nuovo clic su Trova."),
                   this));

    lblConta_ = Controls::hiddenLabel(QStringLiteral("lblConta"), this);
    quickFind_ = new TQuickFind(lstRecords_, txtTrova_, trova, TQuickFind::Opening::Keeps);

    connect(stampa, &QPushButton::clicked, this, &TfrmRiepCosti::btnStampaClick);
    connect(esci, &QPushButton::clicked, this, &TfrmRiepCosti::btnEsciClick);
    connect(guida, &QAbstractButton::clicked, this, &TfrmRiepCosti::imgGuidaClick);
    // As wide as a whole line where the screen allows it, so that the
    // amounts at the ends of the lines are in sight.
    const QRect area = screen()->availableGeometry();
    const int lineWidth = lstRecords_->fontMetrics().horizontalAdvance(QString(156, QLatin1Char('0')));
    resize(qMin(area.width() - 24, lineWidth + 60), qMin(area.height() - 48, 640));
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
        if (summary.leftOut > 0) tellWhenShown(MsgKind::Warning, leftOutText(summary.leftOut, summary.firstLeftOut));
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
