#include "pratiche/TfrmCartella.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

#include "archive/Layouts.h"
#include "platform/ProgramFolder.h"
#include "ui/Controls.h"
#include "ui/Desktop.h"
#include "ui/Messages.h"

TfrmCartella::TfrmCartella(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmCartella"));
    setWindowTitle(QStringLiteral(" Gestione cartella abbinata alla scheda corrente"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(10);
    auto* picture = new QSvgWidget(QStringLiteral(":/img/btn/cartella.svg"), this);
    picture->setObjectName(QStringLiteral("imgCartella"));
    picture->setFixedSize(48, 48);
    QPushButton* apri = Controls::pushButton(QStringLiteral("btnApriCartella"), QStringLiteral("Apri cartella"), this);
    QPushButton* chiudi = Controls::pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    for (QPushButton* b : {apri, chiudi}) b->setMinimumWidth(130);
    row->addWidget(picture);
    row->addStretch(1);
    row->addWidget(apri);
    row->addWidget(chiudi);
    connect(apri, &QPushButton::clicked, this, &TfrmCartella::btnApriCartellaClick);
    connect(chiudi, &QPushButton::clicked, this, &TfrmCartella::btnChiudiClick);
    lblMemory_ = Controls::hiddenLabel(QStringLiteral("lblMemory"), this);

    const QSize size = sizeHint();
    setFixedBorder(qMax(size.width(), 460), size.height());  // room for the caption
    centreOnScreen();
    apri->setFocus();
}

void TfrmCartella::open(QWidget* owner, qint64 casePosition) {
    TfrmCartella w(owner);
    w.setCase(casePosition);
    w.showModal();
}

void TfrmCartella::setCase(qint64 casePosition) {
    position_ = casePosition;
    lblMemory_->setText(QString::number(casePosition));
}

QString TfrmCartella::folder() const { return ProgramFolder::file(ArchiveFiles::cartellaPratica(position_)); }

void TfrmCartella::btnApriCartellaClick() {
    const QString path = folder();
    // A folder that cannot be made is told, rather than leaving the user
    // waiting for a file manager that never opens.
    const QFileInfo info(path);
    if (!info.isDir() && !QDir().mkpath(path)) {
        Msg::warning(this, info.exists() ? msgFileInMezzo(info.fileName()) : kMsgNonCreata);
        return;
    }
    Desktop::open(this, QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
    accept();
}

void TfrmCartella::btnChiudiClick() { reject(); }
