#include "archive/TfrmAllegaCartella.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/AttachedFiles.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FileDialogs.h"
#include "ui/FocusMark.h"
#include "ui/PictureButton.h"

namespace {

QString nn(int slot) { return QStringLiteral("%1").arg(slot + 1, 2, 10, QLatin1Char('0')); }
QString ordinal(int slot) { return QString::number(slot + 1) + QStringLiteral("\u00B0"); }

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    setStyleSheet(
        QStringLiteral("QFrame#panSlot { background: #f3f7fb; border: 1px solid #c9d6e3; border-radius: 4px; }") +
        FocusMark::backgroundSheet() + QStringLiteral("QLineEdit:read-only { background: #e6edf3; }"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->setSpacing(8);

    for (int i = 0; i < Attachments::kSlots; ++i) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("panSlot"));
        auto* grid = new QGridLayout(panel);
        grid->setContentsMargins(8, 6, 8, 8);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(3);
        Slot& s = slots_[size_t(i)];

        s.txtFile = new QLineEdit(panel);
        s.txtFile->setObjectName(QStringLiteral("txtFile") + nn(i));
        s.txtFile->setReadOnly(true);  // a name comes only with its file, through "Sfoglia..."
        s.txtFile->setMinimumWidth(300);
        s.imgCancella = TPictureButton::fieldButton(
            QStringLiteral("imgCancella") + nn(i), QStringLiteral(":/img/btn/cancella.svg"),
            QStringLiteral("Togli il ") + ordinal(i) + QStringLiteral(" file allegato"),
            QStringLiteral("Toglie il file dalla scheda; il file resta nella cartella dei documenti allegati."), panel);
        s.btnSfoglia = Controls::pushButton(QStringLiteral("btnSfoglia") + nn(i), QStringLiteral("Sfoglia..."), panel);
        s.btnApri = Controls::pushButton(QStringLiteral("btnApri") + nn(i), QStringLiteral("Apri"), panel);
        s.btnApri->setEnabled(false);
        s.txtDesc = new QLineEdit(panel);
        s.txtDesc->setObjectName(QStringLiteral("txtDesc") + nn(i));

        auto* fileLabel = new QLabel(QStringLiteral("Nome ") + ordinal(i) + QStringLiteral(" file allegato:"), panel);
        fileLabel->setBuddy(s.txtFile);
        auto* descLabel =
            new QLabel(QStringLiteral("Descrizione ") + ordinal(i) + QStringLiteral(" file allegato:"), panel);
        descLabel->setBuddy(s.txtDesc);
        grid->addWidget(fileLabel, 0, 0, 1, 4);
        grid->addWidget(s.txtFile, 1, 0);
        grid->addWidget(s.imgCancella, 1, 1);
        grid->addWidget(s.btnSfoglia, 1, 2);
        grid->addWidget(s.btnApri, 1, 3);
        grid->addWidget(descLabel, 2, 0, 1, 4);
        grid->addWidget(s.txtDesc, 3, 0, 1, 4);
        grid->setColumnStretch(0, 1);
        outer->addWidget(panel);

        connect(s.btnSfoglia, &QAbstractButton::clicked, this, [this, i] { sfoglia(i); });
        connect(s.btnApri, &QAbstractButton::clicked, this, [this, i] { apri(i); });
        connect(s.imgCancella, &QAbstractButton::clicked, this, [this, i] { cancella(i); });
        connect(s.txtFile, &QLineEdit::textChanged, this, [this, i] { txtFileChange(i); });
    }
    // Tab goes along each slot: name, clear, browse, open, description.
    for (int i = 0; i < Attachments::kSlots; ++i) {
        const Slot& s = slots_[size_t(i)];
        setTabOrder(s.txtFile, s.imgCancella);
        setTabOrder(s.imgCancella, s.btnSfoglia);
        setTabOrder(s.btnSfoglia, s.btnApri);
        setTabOrder(s.btnApri, s.txtDesc);
        if (i + 1 < Attachments::kSlots) setTabOrder(s.txtDesc, slots_[size_t(i) + 1].txtFile);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnApplica_ = Controls::pushButton(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    btnAnnulla_ = Controls::pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    buttons->addWidget(btnApplica_);
    buttons->addWidget(btnAnnulla_);
    outer->addLayout(buttons);
    setTabOrder(slots_.back().txtDesc, btnApplica_);
    setTabOrder(btnApplica_, btnAnnulla_);
    connect(btnApplica_, &QAbstractButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla_, &QAbstractButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);

    lblMemory_ = Controls::hiddenLabel(QStringLiteral("lblMemory"), this);

    const QSize size = sizeHint();
    setFixedBorder(qMax(size.width(), 520), size.height());
    slots_.front().txtDesc->setFocus();
}

std::optional<Attachments> TfrmAllegaCartella::edit(QWidget* owner, const QString& keyword,
                                                    const Attachments& current) {
    TfrmAllegaCartella window(owner);
    window.setKeyword(keyword);
    window.setAttachments(current);
    window.showModal();
    return window.applied();
}

void TfrmAllegaCartella::setKeyword(const QString& keyword) { lblMemory_->setText(keyword); }

void TfrmAllegaCartella::setAttachments(const Attachments& a) {
    for (size_t i = 0; i < slots_.size(); ++i) {
        slots_[i].txtFile->setText(Text::trim(a.files[i]));
        slots_[i].txtFile->setCursorPosition(0);
        slots_[i].txtDesc->setText(Text::trim(a.descriptions[i]));
        slots_[i].txtDesc->setCursorPosition(0);
    }
}

Attachments TfrmAllegaCartella::attachments() const {
    Attachments a;
    for (size_t i = 0; i < slots_.size(); ++i) {
        a.files[i] = Text::trim(slots_[i].txtFile->text());
        a.descriptions[i] = Text::trim(slots_[i].txtDesc->text());
    }
    return a;
}

void TfrmAllegaCartella::sfoglia(int slot) {
    const QString chosen = FileDialogs::getOpenFileName(this, kDialogCaption, QString(), kDialogFilter);
    if (chosen.isEmpty()) return;
    // A copy that failed leaves the slot as it was, never naming a file that
    // is not in the folder.
    if (const std::optional<QString> name = AttachedFiles::copyIn(this, chosen))
        slots_[size_t(slot)].txtFile->setText(*name);
}

void TfrmAllegaCartella::apri(int slot) {
    const QString name = Text::trim(slots_[size_t(slot)].txtFile->text());
    if (!name.isEmpty()) AttachedFiles::open(this, name);
}

void TfrmAllegaCartella::cancella(int slot) { slots_[size_t(slot)].txtFile->clear(); }

void TfrmAllegaCartella::txtFileChange(int slot) {
    const Slot& s = slots_[size_t(slot)];
    s.btnApri->setEnabled(!Text::trim(s.txtFile->text()).isEmpty());
}

void TfrmAllegaCartella::btnApplicaClick() {
    applied_ = attachments();
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick() { reject(); }
