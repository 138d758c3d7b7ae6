#include "appuntamenti/TfrmAgenda.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <iterator>

#include "appuntamenti/AgendaRules.h"
#include "appuntamenti/AppointmentExports.h"
#include "appuntamenti/AppointmentFields.h"
#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "archive/RecordLines.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "report/ListReport.h"
#include "ui/Controls.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/RecordList.h"
#include "ui/Resources.h"
#include "ui/Sound.h"
#include "ui/StatusLine.h"
#include "ui/TfrmCalendario.h"

namespace {

QLabel* picture(const QString& name, const QString& path, QSize size, const QString& accessibleName, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(svgPixmap(path, size, parent->devicePixelRatioF()));
    l->setFixedSize(size);
    l->setAccessibleName(accessibleName);
    return l;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6f9f;"));
    return l;
}

}  // namespace

TfrmAgenda::TfrmAgenda(QWidget* owner) : TAppWindow(owner) {
    setObjectName(QStringLiteral("frmAgenda"));
    setWindowTitle(QStringLiteral(" Plenaro - Agenda Appuntamenti"));
    setStyleSheet(QStringLiteral("TfrmAgenda { background: #eef4f9; }"));
    Formats::apply();  // the calendar's day goes out as "dd/mm/yyyy"

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 4);
    outer->setSpacing(8);

    // Title on the left, the pictures that say whether anything is due on the right.
    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(picture(QStringLiteral("imgLogo"), QStringLiteral(":/img/avvio/agenda.svg"), QSize(84, 72),
                           QStringLiteral("Agenda"), this));
    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    auto* title = new QLabel(QStringLiteral("Agenda Appuntamenti"), this);
    title->setObjectName(QStringLiteral("lblTitolo"));
    title->setStyleSheet(QStringLiteral("font-size: 22pt; font-weight: bold; color: #1f4e6e;"));
    auto* subtitle = new QLabel(
        QStringLiteral("Gli appuntamenti da assolvere che rientrano nei giorni di preavviso, in ordine di data e ora"),
        this);
    subtitle->setStyleSheet(QStringLiteral("color: #3d5f7a;"));
    titles->addStretch(1);
    titles->addWidget(title);
    titles->addWidget(subtitle);
    titles->addStretch(1);
    top->addLayout(titles, 1);
    imgPresenti_ = picture(QStringLiteral("imgPresenti"), QStringLiteral(":/img/agenda/presenti.svg"), QSize(250, 96),
                           QStringLiteral("Ci sono appuntamenti"), this);
    imgAppuntamentiSI_ = picture(QStringLiteral("imgAppuntamentiSI"), QStringLiteral(":/img/agenda/si.svg"),
                                 QSize(96, 96), QStringLiteral("Appuntamenti imminenti"), this);
    imgAssenti_ = picture(QStringLiteral("imgAssenti"), QStringLiteral(":/img/agenda/assenti.svg"), QSize(250, 96),
                          QStringLiteral("Non ci sono appuntamenti"), this);
    imgAppuntamentiNO_ = picture(QStringLiteral("imgAppuntamentiNO"), QStringLiteral(":/img/agenda/no.svg"),
                                 QSize(96, 96), QStringLiteral("Nessun appuntamento imminente"), this);
    for (QLabel* l : {imgPresenti_, imgAppuntamentiSI_, imgAssenti_, imgAppuntamentiNO_}) top->addWidget(l);
    outer->addLayout(top);

    // The list on the left, the calendar and its summaries on the right.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    auto* listCaption = heading(QStringLiteral("Appuntamenti imminenti:"), this);
    left->addWidget(listCaption);
    lstRecords_ = new TRecordList(this);
    lstRecords_->setSorted(true);
    lstRecords_->setAccessibleName(QStringLiteral("Appuntamenti imminenti"));
    QFont lineFont(QStringLiteral("Courier New"), 14);
    lineFont.setStyleHint(QFont::Monospace);
    lstRecords_->setFont(lineFont);
    lstRecords_->lineModel()->setLineSize(QSize(1600, lstRecords_->fontMetrics().height() + 4));
    listCaption->setBuddy(lstRecords_);
    left->addWidget(lstRecords_, 1);
    lblTotale_ = new QLabel(this);
    lblTotale_->setObjectName(QStringLiteral("lblTotale"));
    left->addWidget(lblTotale_);
    lblEscluse_ = Controls::noteLine(QStringLiteral("lblEscluse"), this);
    left->addWidget(lblEscluse_);
    middle->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    auto* calendarCaption = heading(QStringLiteral("Riepiloghi dal calendario:"), this);
    right->addWidget(calendarCaption);
    calAppuntamenti_ = TfrmCalendario::italianCalendar(this, QStringLiteral("Calendario dei riepiloghi"));
    calAppuntamenti_->setFixedSize(QSize(300, 230));
    calendarCaption->setBuddy(calAppuntamenti_);
    right->addWidget(calAppuntamenti_);
    auto* periods = new QHBoxLayout;
    periods->setSpacing(6);
    periods->addStretch(1);
    right->addLayout(periods);
    right->addStretch(1);
    middle->addLayout(right);
    outer->addLayout(middle, 1);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(4);
    outer->addLayout(commands);

    panInfo_ = new TStatusLine(QStringLiteral("Agenda degli appuntamenti imminenti."), this);
    outer->addWidget(panInfo_);

    TPictureButton* giorno =
        button(QStringLiteral("btnGiorno"), QStringLiteral(":/img/btn/giorno.svg"), QStringLiteral("Del giorno"),
               QStringLiteral("Appuntamenti del giorno"),
               QStringLiteral("Visualizza gli appuntamenti del giorno selezionato nel calendario."));
    TPictureButton* mese = button(QStringLiteral("btnMese"), QStringLiteral(":/img/btn/mese.svg"),
                                  QStringLiteral("Del mese"), QStringLiteral("Appuntamenti del mese"),
                                  QStringLiteral("Visualizza gli appuntamenti del mese selezionato nel calendario."));
    periods->insertWidget(0, giorno);
    periods->insertWidget(1, mese);
    connect(giorno, &QAbstractButton::clicked, this, &TfrmAgenda::btnGiornoClick);
    connect(mese, &QAbstractButton::clicked, this, &TfrmAgenda::btnMeseClick);

    struct Command {
        const char* name;
        const char* picture;
        const char* caption;
        const char* accessibleName;
        const char* hint;
        void (TfrmAgenda::*handler)();
    };
    const Command left_[] = {
        {"btnArchivio", ":/img/btn/appuntamenti.svg", "Inserisci appuntamenti", "Inserisci appuntamenti",
         "Apre lo schedario per inserire e modificare gli appuntamenti.", &TfrmAgenda::btnArchivioClick},
        {"btnStampa", ":/img/btn/stampa.svg", "Stampa", "Stampa l'elenco",
         "Stampa l'elenco degli appuntamenti imminenti.", &TfrmAgenda::btnStampaClick},
        {"btnExcel", ":/img/btn/excel.svg", "Esporta", "Esporta in Excel",
         "Esporta gli appuntamenti imminenti in formato Microsoft Excel.", &TfrmAgenda::btnExcelClick},
        {"btnWhatsApp", ":/img/btn/whatsapp.svg", "WhatsApp", "Promemoria con WhatsApp",
         "Invia con WhatsApp il promemoria dell'appuntamento selezionato.", &TfrmAgenda::btnWhatsAppClick},
    };
    const Command right_[] = {
        {"imgGuida", ":/img/btn/guida.svg", "Guida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
         &TfrmAgenda::imgGuidaClick},
        {"imgEsci", ":/img/btn/esci.svg", "Esci", "Esci", "Esci da questo ambiente di lavoro.",
         &TfrmAgenda::imgEsciClick},
    };
    auto add = [&](const Command& c) {
        TPictureButton* b = button(QLatin1String(c.name), QLatin1String(c.picture), QString::fromUtf8(c.caption),
                                   QString::fromUtf8(c.accessibleName), QString::fromUtf8(c.hint));
        connect(b, &QAbstractButton::clicked, this, c.handler);
        commands->addWidget(b);
        return b;
    };
    // The first, the card window's, carries the longest caption.
    add(left_[0])->setFixedWidth(160);
    for (size_t i = 1; i < std::size(left_); ++i) add(left_[i]);
    commands->addStretch(1);
    for (const Command& c : right_) add(c);

    // Loads the list; the agenda presses it each time it is shown.
    btnCaricaLista_ = Controls::pushButton(QStringLiteral("btnCaricaLista"), QStringLiteral("Carica"), this);
    btnCaricaLista_->hide();
    connect(btnCaricaLista_, &QAbstractButton::clicked, this, &TfrmAgenda::btnCaricaListaClick);

    titData_ = Controls::hiddenLabel(QStringLiteral("titData"), this);
    titOra_ = Controls::hiddenLabel(QStringLiteral("titOra"), this);
    titContatto_ = Controls::hiddenLabel(QStringLiteral("titContatto"), this);
    titCel_ = Controls::hiddenLabel(QStringLiteral("titCel"), this);

    connect(lstRecords_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmAgenda::lstRecordsClick);
    // Enter or a double click on a day of the calendar shows that day.
    connect(calAppuntamenti_, &QCalendarWidget::activated, this, &TfrmAgenda::btnGiornoClick);

    panInfo_->bind();
    showPictures(false);
}

TPictureButton* TfrmAgenda::button(const QString& name, const QString& picture, const QString& caption,
                                   const QString& accessibleName, const QString& hint) {
    return TPictureButton::captioned(name, picture, caption, accessibleName, hint, this);
}

void TfrmAgenda::setCardWindow(TAppWindow* window) {
    QPointer<TAppWindow> w(window);
    cardSource_ = [w] { return w.data(); };
}

QDate TfrmAgenda::calendarDate() const { return calAppuntamenti_->selectedDate(); }

bool TfrmAgenda::showsAppointments() const { return !imgPresenti_->isHidden(); }

void TfrmAgenda::FormShow() {
    setSelected(std::nullopt);
    btnCaricaLista_->click();
    // The calendar takes the focus: a line of the list is chosen only by the user.
    calAppuntamenti_->setFocus();
}

void TfrmAgenda::FormClose() {
    Sound::stop();
    TAppWindow::FormClose();
}

void TfrmAgenda::btnCaricaListaClick() {
    ListLines lines;
    LeftOut leftOut;
    bool complete = true;
    {
        WaitCursor wait;
        try {
            AgendaRules::readImminent(lines, Clock::today(), leftOut);
        } catch (...) {
            complete = false;  // the lines read so far stay
        }
        lstRecords_->setLines(std::move(lines));
    }
    leftOut.showIn(lblEscluse_);
    const int n = lstRecords_->count();
    lblTotale_->setText(n == 0   ? QStringLiteral("Nessun appuntamento imminente.")
                        : n == 1 ? QStringLiteral("1 appuntamento imminente.")
                                 : QStringLiteral("%1 appuntamenti imminenti.").arg(n));
    showPictures(n > 0);
    if (!complete) {
        // Not a silent empty agenda: the user must know the list may be short.
        Msg::plain(this, Archive::kMsgAccesso);
        return;
    }
    if (n > 0) Sound::play(ProgramFolder::delivered(kSuono));
}

void TfrmAgenda::showPictures(bool appointments) {
    imgPresenti_->setVisible(appointments);
    imgAppuntamentiSI_->setVisible(appointments);
    imgAssenti_->setVisible(!appointments);
    imgAppuntamentiNO_->setVisible(!appointments);
}

void TfrmAgenda::setSelected(const std::optional<Reminder>& reminder) {
    selected_ = reminder;
    const Reminder shown = reminder.value_or(Reminder{});
    titData_->setText(shown.date);
    titOra_->setText(shown.time);
    titContatto_->setText(shown.client);
    titCel_->setText(shown.cellphone);
}

void TfrmAgenda::lstRecordsClick() {
    const int row = lstRecords_->selectedRow();
    if (row < 0) return;
    try {
        const AppointmentFields& f = AppointmentFields::get();
        const Record card = RecordLines::recordOf(*lstRecords_, row, ArchiveFiles::Appuntamenti, f.layout()).record;
        setSelected(Reminder{Text::trim(card.get(f.Data)), Text::trim(card.get(f.Ora)),
                             Text::trim(card.get(f.Contatto)), Text::trim(card.get(f.Cel))});
    } catch (...) {
        // The card cannot be read now: the previous choice stays.
    }
}

void TfrmAgenda::btnGiornoClick() { AppointmentExports::openDay(this, calendarDate()); }

void TfrmAgenda::btnMeseClick() { AppointmentExports::openMonth(this, calendarDate()); }

void TfrmAgenda::btnExcelClick() { AppointmentExports::openImminent(this); }

void TfrmAgenda::btnStampaClick() { ListReport::printList(this, kTitoloStampa, lstRecords_->lines()); }

void TfrmAgenda::btnWhatsAppClick() {
    if (lstRecords_->count() == 0) {
        Msg::warning(this, kMsgListaVuota);
        return;
    }
    if (!selected_) {
        Msg::warning(this, kMsgSelezione);
        return;
    }
    TfrmWhatsApp_Message::open(this, *selected_);
}

void TfrmAgenda::btnArchivioClick() {
    TAppWindow* cardWindow = cardSource_ ? cardSource_() : nullptr;
    if (!cardWindow) return;
    Sound::stop();
    cardWindow->showApp();
    hide();
}

void TfrmAgenda::imgGuidaClick() { Help::open(this, kHelpTitle); }

void TfrmAgenda::imgEsciClick() { close(); }
