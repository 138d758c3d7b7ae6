#include "ui/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "platform/Clock.h"
#include "platform/Formats.h"
#include "ui/Controls.h"

QCalendarWidget* TfrmCalendario::italianCalendar(QWidget* parent, const QString& accessibleName) {
    auto* c = new QCalendarWidget(parent);
    c->setObjectName(QStringLiteral("calAppuntamenti"));
    c->setAccessibleName(accessibleName);
    c->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    c->setFirstDayOfWeek(Qt::Monday);
    c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    c->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    c->setGridVisible(true);
    c->setSelectedDate(Clock::today());
    QTextCharFormat today;
    today.setFontWeight(QFont::Bold);
    c->setDateTextFormat(Clock::today(), today);
    return c;
}

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

    calAppuntamenti_ = italianCalendar(this, QStringLiteral("Calendario"));
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

std::optional<QDate> TfrmCalendario::pick(QWidget* owner, const QString& keyword) {
    TfrmCalendario picker(owner);
    picker.setKeyword(keyword);
    picker.showModal();
    return picker.chosen();
}

void TfrmCalendario::setKeyword(const QString& keyword) { lblMemory_->setText(keyword); }

void TfrmCalendario::btnImportaDataClick() {
    chosen_ = calAppuntamenti_->selectedDate();
    accept();
}

void TfrmCalendario::btnAnnullaClick() { reject(); }
