#include "appuntamenti/TfrmMenuRiepCosti.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "appuntamenti/TfrmRiepCosti.h"
#include "archive/ClientFields.h"
#include "archive/TfrmTrovaClienti.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

namespace {

QLabel* note(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("color: #1f3f5f;"));
    return l;
}

QLineEdit* field(QWidget* parent, const char* name, int maxLength, unsigned rules = FieldKinds::Plain) {
    QLineEdit* e = FieldKinds::text(parent, QLatin1String(name), rules);
    e->setMaxLength(maxLength);
    TFocusMark::attach(e);
    return e;
}

QString textOf(const QWidget* control) { return Text::trim(TFieldEditor::of(control)->text()); }

}  // namespace

TfrmMenuRiepCosti::TfrmMenuRiepCosti(QWidget* owner) : TAppWindow(owner) {
    setObjectName(QStringLiteral("frmMenuRiepCosti"));
    setWindowTitle(QStringLiteral(" Plenaro - Riepilogo Incassi"));
    setStyleSheet(
        QStringLiteral("TfrmMenuRiepCosti { background: #eef4f9; }"
                       "QGroupBox { font-weight: bold; color: #1f4e6e; }"
                       "QGroupBox QLabel { font-weight: normal; color: black; }"));
    Formats::apply();

    auto* picture = new QSvgWidget(QStringLiteral(":/img/avvio/incassi.svg"), this);
    picture->setObjectName(QStringLiteral("imgIncassi"));
    picture->setFixedSize(110, 94);

    txtAnno_ = field(this, "txtAnno", 4, FieldKinds::DigitsOnly);
    txtAnno_->setFixedWidth(70);
    txtCliente_ = field(this, "txtCliente", 50);
    txtTarga_ = field(this, "txtTarga", 250);
    auto* impCliente = TPictureButton::fieldButton(
        QStringLiteral("impCliente"), QStringLiteral(":/img/btn/cliente.svg"), QStringLiteral("Importa il cliente"),
        QStringLiteral("Importa il nome dall'archivio anagrafico dei clienti."), this);

    auto* filters = new QGridLayout;
    filters->setHorizontalSpacing(10);
    filters->setVerticalSpacing(10);
    auto row = [&](int r, const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        filters->addWidget(label, r, 0);
        filters->addWidget(control, r, 1, control == txtAnno_ ? Qt::AlignLeft : Qt::Alignment());
    };
    row(0, QStringLiteral("Anno:"), txtAnno_);
    row(1, QStringLiteral("Cognome e nome:"), txtCliente_);
    filters->addWidget(impCliente, 1, 2);
    row(2, QStringLiteral("Servizi richiesti dal cliente:"), txtTarga_);
    filters->setColumnStretch(1, 1);

    // The two ends of the period: day and month picked, the year as typed above.
    const QStringList days = Formats::twoDigitRange(1, 31);
    auto end = [&](const QString& title, const char* day, const char* month, const char* year, QComboBox** dayList,
                   QComboBox** monthList, QLabel** yearLabel) {
        auto* box = new QGroupBox(title, this);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(12, 10, 12, 10);
        h->setSpacing(8);
        *dayList = FieldKinds::pickList(box, QLatin1String(day), days, 62);
        *monthList = FieldKinds::pickList(box, QLatin1String(month), Formats::monthNames(), 124);
        (*monthList)->lineEdit()->setMaxLength(9);
        *yearLabel = new QLabel(box);
        (*yearLabel)->setObjectName(QLatin1String(year));
        (*yearLabel)->setMinimumWidth(40);
        (*yearLabel)->setAccessibleName(QStringLiteral("Anno"));
        auto* dayLabel = new QLabel(QStringLiteral("Giorno:"), box);
        dayLabel->setBuddy(*dayList);
        auto* monthLabel = new QLabel(QStringLiteral("Mese:"), box);
        monthLabel->setBuddy(*monthList);
        h->addWidget(dayLabel);
        h->addWidget(*dayList);
        h->addSpacing(6);
        h->addWidget(monthLabel);
        h->addWidget(*monthList);
        h->addSpacing(6);
        h->addWidget(*yearLabel);
        h->addStretch(1);
        return box;
    };
    QGroupBox* inizio = end(QStringLiteral(" Data inizio intervallo: "), "txtGiornoInizio", "txtMeseInizio",
                            "lblAnnoInizio", &txtGiornoInizio_, &txtMeseInizio_, &lblAnnoInizio_);
    QGroupBox* fine = end(QStringLiteral(" Data fine intervallo: "), "txtGiornoFine", "txtMeseFine", "lblAnnoFine",
                          &txtGiornoFine_, &txtMeseFine_, &lblAnnoFine_);
    auto* period = new QHBoxLayout;
    period->setSpacing(14);
    period->addWidget(inizio, 1);
    period->addWidget(fine, 1);

    btnVisualizza_ =
        Controls::pushButton(QStringLiteral("btnVisualizza"), QStringLiteral("Visualizza riepilogo"), this);
    lblAttendere_ =
        Controls::waitNotice(QStringLiteral("Caricamento riepilogo in corso. Attendere..."), btnVisualizza_, this);
    btnVisualizza_->setMinimumWidth(170);
    QPushButton* esci = Controls::pushButton(QStringLiteral("btnEsci"), QStringLiteral("Esci"), this);
    esci->setMinimumWidth(100);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    bottom->addWidget(lblAttendere_);
    bottom->addStretch(1);
    bottom->addWidget(btnVisualizza_);
    bottom->addWidget(esci);

    auto* text = new QVBoxLayout;
    text->setSpacing(12);
    auto* intro = note(QStringLiteral("Indicare l'anno solare di interesse, il nome del cliente e/o i servizi "
                                      "richiesti."),
                       this);
    intro->setStyleSheet(QStringLiteral("font-size: 11pt; color: #1f3f5f;"));
    text->addWidget(intro);
    text->addLayout(filters);
    text->addWidget(note(QStringLiteral("Per ottenere il riepilogo degli incassi relativi a tutti i clienti, lasciare "
                                        "in bianco i campi di ricerca."),
                         this));
    text->addSpacing(4);
    text->addWidget(note(QStringLiteral("Indicare l'intervallo di tempo riguardante il periodo da riepilogare in base "
                                        "alla data dell'appuntamento."),
                         this));
    text->addLayout(period);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 16, 18, 14);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(16);
    grid->addWidget(picture, 0, 0, Qt::AlignTop);
    grid->addLayout(text, 0, 1);
    grid->addLayout(bottom, 1, 0, 1, 2);

    lblDataInizio_ = Controls::hiddenLabel(QStringLiteral("lblDataInizio"), this);
    lblDataFine_ = Controls::hiddenLabel(QStringLiteral("lblDataFine"), this);

    // The year shows in both ends of the period as it is typed.
    connect(txtAnno_, &QLineEdit::textChanged, this, [this](const QString& year) {
        // A screen reader reads the name, not the text: it carries the year.
        for (QLabel* l : {lblAnnoInizio_, lblAnnoFine_}) {
            l->setText(Text::trim(year));
            l->setAccessibleName(QStringLiteral("Anno ") + Text::trim(year));
        }
    });
    const QList<QWidget*> chain = {txtAnno_,       txtCliente_,    txtTarga_,    txtGiornoInizio_,
                                   txtMeseInizio_, txtGiornoFine_, txtMeseFine_, btnVisualizza_};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) KeyFilters::enterTo(chain[i], chain[i + 1]);
    setTabOrder(txtAnno_, txtCliente_);
    setTabOrder(txtCliente_, impCliente);
    setTabOrder(impCliente, txtTarga_);
    for (qsizetype i = 2; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
    setTabOrder(btnVisualizza_, esci);

    connect(btnVisualizza_, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnVisualizzaClick);
    connect(impCliente, &QAbstractButton::clicked, this, &TfrmMenuRiepCosti::impClienteClick);
    connect(esci, &QPushButton::clicked, this, &TfrmMenuRiepCosti::btnEsciClick);
    setFixedBorder(qMax(760, grid->sizeHint().width()), grid->sizeHint().height());
}

void TfrmMenuRiepCosti::FormShow() {
    centreOnScreen();
    for (QWidget* w : std::initializer_list<QWidget*>{txtCliente_, txtTarga_, txtGiornoInizio_, txtMeseInizio_,
                                                      txtGiornoFine_, txtMeseFine_})
        TFieldEditor::of(w)->clear();
    txtAnno_->setText(Formats::year(Clock::today().year()));
    lblDataInizio_->clear();
    lblDataFine_->clear();
    lblAttendere_->hide();
    txtCliente_->setFocus(Qt::OtherFocusReason);
}

RevenuePeriod TfrmMenuRiepCosti::period() const {
    return {textOf(txtAnno_), textOf(txtGiornoInizio_), textOf(txtMeseInizio_), textOf(txtGiornoFine_),
            textOf(txtMeseFine_)};
}

QWidget* TfrmMenuRiepCosti::control(PeriodPart part) const {
    switch (part) {
    case PeriodPart::Year: return txtAnno_;
    case PeriodPart::StartDay: return txtGiornoInizio_;
    case PeriodPart::StartMonth: return txtMeseInizio_;
    case PeriodPart::EndDay: return txtGiornoFine_;
    case PeriodPart::EndMonth: return txtMeseFine_;
    }
    return nullptr;
}

void TfrmMenuRiepCosti::btnVisualizzaClick() {
    lblDataInizio_->clear();
    lblDataFine_->clear();
    try {
        const RevenuePeriod p = period();
        if (const std::optional<PeriodRefusal> r = RevenueRules::check(p)) {
            lblAttendere_->hide();
            Msg::of(this, r->kind, r->text);
            if (r->focus) control(*r->focus)->setFocus(Qt::OtherFocusReason);
            return;
        }
        const QString start = p.startDate(), end = p.endDate();
        lblDataInizio_->setText(start);
        lblDataFine_->setText(end);
        const RevenueQuery query{txtCliente_->text(), txtTarga_->text(), Formats::parseDate(start),
                                 Formats::parseDate(end)};
        summaryWindow()->showSummary(query);
        lblAttendere_->hide();
    } catch (const std::exception&) {
        lblAttendere_->hide();
        Msg::plain(this, kMsgNonAccessibile);
    }
}

void TfrmMenuRiepCosti::impClienteClick() {
    if (const std::optional<FoundRecord> client = TfrmTrovaClienti::open(this, QStringLiteral("riepilogo")))
        txtCliente_->setText(Text::trim(client->record.get(ClientFields::get().Cliente)));
}

void TfrmMenuRiepCosti::btnEsciClick() { close(); }

TfrmRiepCosti* TfrmMenuRiepCosti::summaryWindow() {
    if (summary_) return summary_();
    if (!ownSummary_) ownSummary_ = new TfrmRiepCosti(this);
    return ownSummary_;
}
