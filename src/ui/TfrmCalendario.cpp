#include "ui/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "ui/Controls.h"
#include "platform/Clock.h"
#include "platform/Formats.h"

TfrmCalendario::TfrmCalendario(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    Formats::apply();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 10);
    outer->setSpacing(6);

    auto* prompt = new QLabel(QStringLiteral("Importare una data:"), this);
    prompt->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6f9f;"));
    outer->addWidget(prompt);

    calAppuntamenti_ = new QCalendarWidget(this);
    calAppuntamenti_->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti_->setAccessibleName(QStringLiteral("Calendario"));
    // Month and day names are Italian whatever the system speaks; the week
    // starts on Monday, as in Italy.
    calAppuntamenti_->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti_->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calAppuntamenti_->setGridVisible(true);
    calAppuntamenti_->setSelectedDate(Clock::today());
    QTextCharFormat today;
    today.setFontWeight(QFont::Bold);
    calAppuntamenti_->setDateTextFormat(Clock::today(), today);
    prompt->setBuddy(calAppuntamenti_);
    outer->addWidget(calAppuntamenti_, 1);
    // Enter or a double click on a day takes it.
    connect(calAppuntamenti_, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnImportaData_ = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData_->setObjectName(QStringLiteral("btnImportaData"));
    btnImportaData_->setDefault(true);
    btnAnnulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla_->setObjectName(QStringLiteral("btnAnnulla"));
    buttons->addWidget(btnImportaData_);
    buttons->addWidget(btnAnnulla_);
    outer->addLayout(buttons);
    connect(btnImportaData_, &QAbstractButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla_, &QAbstractButton::clicked, this, &TfrmCalendario::btnAnnullaClick);

    lblMemory_ = Controls::hiddenLabel(QStringLiteral("lblMemory"), this);

    // As small as the calendar allows, so that it fits any screen.
    const QSize size = sizeHint().expandedTo(QSize(300, 260));
    setFixedBorder(size.width(), size.height());
    calAppuntamenti_->setFocus();
}

std::optional<QDate> TfrmCalendario::pick(QWidget* owner, const QString& mode) {
    TfrmCalendario picker(owner);
    picker.setMode(mode);
    picker.showModal();
    return picker.chosen();
}

void TfrmCalendario::setMode(const QString& mode) { lblMemory_->setText(mode); }
QString TfrmCalendario::mode() const { return lblMemory_->text(); }

void TfrmCalendario::btnImportaDataClick() {
    // Only the fields that take a date: any other caller gets nothing.
    const QString m = mode();
    if (m != kModeData && m != kModeDataReg) return;
    chosen_ = calAppuntamenti_->selectedDate();
    accept();
}

void TfrmCalendario::btnAnnullaClick() { reject(); }
