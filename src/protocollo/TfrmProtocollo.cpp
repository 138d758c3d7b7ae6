#include "protocollo/TfrmProtocollo.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <iterator>

#include "archive/ArchivioSchede.h"
#include "archive/AttachedFiles.h"
#include "archive/Attachments.h"
#include "archive/Layouts.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "protocollo/ProtocolFields.h"
#include "protocollo/ProtocolSettings.h"
#include "protocollo/SchedaProtocollo.h"
#include "protocollo/TfrmExpProtocollo.h"
#include "protocollo/TfrmNumerazione.h"
#include "protocollo/TfrmRiepProtocollo.h"
#include "protocollo/TfrmStampaProtocollo.h"
#include "protocollo/TfrmTrovaProtocollo.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/StatusLine.h"

namespace {

// The kind of mail: one option button per entry of the field, at most one
// checked, whose values are the texts stored in the card.
class MailKindEditor : public TFieldEditor {
public:
    MailKindEditor(QWidget* box, QButtonGroup* group, QStringList values)
        : TFieldEditor(box), group_(group), values_(std::move(values)) {}

    QString text() const override { return values_.value(group_->checkedId()); }
    void setText(const QString& t) override {
        // An exclusive group never lets its last checked button go.
        group_->setExclusive(false);
        for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
        group_->setExclusive(true);
        if (QAbstractButton* b = group_->button(int(values_.indexOf(Text::trim(t))))) b->setChecked(true);
    }
    bool typed() const override { return false; }

private:
    QButtonGroup* group_;
    QStringList values_;
};

}  // namespace

TfrmProtocollo::TfrmProtocollo(QWidget* owner) : TRecordWindow(ProtocolFields::get(), owner) {
    setObjectName(QStringLiteral("frmProtocollo"));
    buildSections();

    RecordWindowDescription desc;
    addStandardButtons(desc, {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"});
    desc.buttons.push_back(
        standardButton("cmdNuovo", QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda.")));
    addStandardButtons(desc, {"cmdSalva", "cmdTrova"});
    desc.buttons.push_back({"cmdRiepilogo", ":/img/btn/riepilogo.svg", "Riepilogo",
                            "Visualizza il riepilogo dei documenti protocollati in un intervallo di tempo.",
                            "Riepilogo per intervallo di tempo", [this] { cmdRiepilogoClick(); }});
    desc.buttons.push_back(standardButton("cmdFile", {}, [this] { cmdFileClick(); }));
    addStandardButtons(desc, {"cmdStampa", "cmdEsporta"});
    desc.buttons.push_back({"cmdNumerazione", ":/img/btn/numerazione.svg", "Numerazione",
                            "Imposta il numero iniziale per la numerazione del protocollo.",
                            "Impostazione della numerazione", [this] { cmdNumerazioneClick(); }});
    desc.buttons.push_back(standardButton("cmdGuida"));
    desc.buttons.push_back(standardButton("cmdEsci", QStringLiteral("Esci da questa schermata di lavoro.")));

    desc.fileName = ArchiveFiles::protocollo(Clock::today().year());
    // The kind of mail is asked for last, after the typed fields.
    desc.rules = {CardRules::required(ProtocolFields::get().Tipo,
                                      CardRules::needs("la tipologia di posta (in entrata, in uscita o interna)."))};
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);

    statusLine()->setHint(btnSfoglia_, QStringLiteral("Seleziona il file da allegare alla scheda corrente."));
    statusLine()->setHint(btnApri_, QStringLiteral("Apri il file allegato alla scheda corrente."));
    openYear(Formats::year(Clock::today().year()));
}

void TfrmProtocollo::buildSections() {
    QWidget* area = fieldsArea();
    const ProtocolFields& f = ProtocolFields::get();

    // (1) The number, the registration and who registers.
    QGridLayout* g = addSection(QStringLiteral("sezProtocollo"), QStringLiteral("protocollo"),
                                QStringLiteral("Protocollo e registrazione"), 0);
    placeField(g, 0, 0, 1, f.Numero);
    placeField(g, 0, 1, 1, f.DataReg);

    auto* grpTipo = new QGroupBox(QLatin1Char(' ') + f.Tipo.caption() + QLatin1Char(' '), area);
    grpTipo->setObjectName(QStringLiteral("grpTipo"));
    auto* tipoRow = new QHBoxLayout(grpTipo);
    tipoRow->setContentsMargins(10, 2, 10, 4);
    tipo_ = new QButtonGroup(grpTipo);
    const QStringList& kinds = f.Tipo.row().entries;
    const char* names[] = {"optEntrata", "optUscita", "optInterna"};
    for (int i = 0; i < int(std::size(names)); ++i) {
        auto* b = new QRadioButton(kinds[i], grpTipo);
        b->setObjectName(QLatin1String(names[i]));
        tipo_->addButton(b, i);
        tipoRow->addWidget(b);
    }
    // Told that no kind is chosen, the user lands on the first.
    grpTipo->setFocusProxy(tipo_->button(0));
    new MailKindEditor(grpTipo, tipo_, kinds);
    addField(f.Tipo, grpTipo);
    g->addWidget(grpTipo, 0, 2, 1, 2, Qt::AlignBottom);
    placeField(g, 1, 0, 2, f.Ufficio);
    placeField(g, 1, 2, 2, f.Operatore);
    g->setColumnStretch(0, 1);
    g->setColumnStretch(2, 2);
    g->setColumnStretch(3, 2);

    // (2) The document.
    g = addSection(QStringLiteral("sezDocumento"), QStringLiteral("documento"), QStringLiteral("Documento"), 4);
    placeField(g, 0, 0, 2, f.Categoria);
    placeField(g, 0, 2, 2, f.Collocazione);
    placeField(g, 1, 0, 4, f.Oggetto);
    placeField(g, 2, 0, 1, f.DataSpe);
    placeField(g, 2, 1, 1, f.DataRic);
    placeField(g, 2, 2, 1, f.Formato);
    placeField(g, 2, 3, 1, f.Pagine);
    placeField(g, 3, 0, 2, f.Riferimenti);
    placeField(g, 3, 2, 2, f.Note);

    // (3) Who sends it and who receives it.
    g = addSection(QStringLiteral("sezCorrispondenza"), QStringLiteral("corrispondenza"),
                   QStringLiteral("Mittente e destinatario"), 2);
    placeField(g, 0, 0, 1, f.Mittente);
    placeField(g, 0, 1, 1, f.RecapitoMit);
    placeField(g, 1, 0, 1, f.Destinatario);
    placeField(g, 1, 1, 1, f.RecapitoDes);

    // (4) The digital copy, kept in the attached documents' folder. Its name
    // comes only with its file, through "Sfoglia...": the field is read-only.
    g = addSection(QStringLiteral("sezCopia"), QStringLiteral("copia"), QStringLiteral("Copia digitale"), 0);
    QLineEdit* copia = FieldKinds::text(area, QStringLiteral("txt") + f.Copia.name());
    copia->setReadOnly(true);
    g->addLayout(Controls::labeled(f.Copia.caption(), addField(f.Copia, copia)), 0, 0, Qt::AlignBottom);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    btnSfoglia_ = Controls::pushButton(QStringLiteral("btnSfoglia"), QStringLiteral("Sfoglia..."), area);
    btnApri_ = Controls::pushButton(QStringLiteral("btnApri"), QStringLiteral("Apri"), area);
    btnApri_->setEnabled(false);
    auto* cancella = fieldButton("imgCancella01", ":/img/btn/cancella.svg", "Cancella la copia digitale",
                                 "Cancella il percorso del file allegato alla scheda corrente.", f.Copia,
                                 [this] { imgCancella01Click(); });
    buttons->addWidget(btnSfoglia_);
    buttons->addWidget(btnApri_);
    buttons->addWidget(cancella);
    g->addLayout(buttons, 0, 1, Qt::AlignBottom);
    g->setColumnStretch(0, 1);
    connect(btnSfoglia_, &QPushButton::clicked, this, &TfrmProtocollo::btnSfogliaClick);
    connect(btnApri_, &QPushButton::clicked, this, &TfrmProtocollo::btnApriClick);
    connect(copia, &QLineEdit::textChanged, this,
            [this](const QString& t) { btnApri_->setEnabled(!Text::trim(t).isEmpty()); });

    addAttachmentFields();
    lblFile_ = Controls::hiddenLabel(QStringLiteral("lblFile"), this);
    fieldsLayout()->addStretch();
}

void TfrmProtocollo::openYear(const QString& year) {
    const QString y = Text::trim(year);
    const QString file = ProgramFolder::file(y + QStringLiteral(".prt"));
    lblFile_->setText(file);
    setWindowTitle(QStringLiteral(" Plenaro - Protocollo Posta anno ") + y);
    setArchiveFile(file);
}

void TfrmProtocollo::settingsUnreadable() {
    if (settingsWarned_) return;
    settingsWarned_ = true;
    Msg::warning(this, kMsgImpostazioniIlleggibili);
}

ProtocolSettings::Numbering TfrmProtocollo::numbering() {
    try {
        return ProtocolSettings::numbering();
    } catch (const IniError&) {
        // Read as a missing file, so that documents can still be registered.
        settingsUnreadable();
        return {};
    }
}

void TfrmProtocollo::FormShow() {
    settingsWarned_ = false;
    ProtocolSettings::Office o;
    try {
        o = ProtocolSettings::office();
    } catch (const IniError&) {
        settingsUnreadable();  // the two fields start empty
    }
    setFieldText(ProtocolFields::get().Ufficio, o.office);
    setFieldText(ProtocolFields::get().Operatore, o.operatorName);
    newCard();
}

void TfrmProtocollo::FormClose() {
    try {
        ProtocolSettings::setOffice(
            {fieldText(ProtocolFields::get().Ufficio), fieldText(ProtocolFields::get().Operatore)});
    } catch (const IniError&) {
        Msg::warning(this, QStringLiteral("Attenzione: non \u00E8 stato possibile salvare l'ufficio e l'operatore "
                                          "nel file delle impostazioni.\n\r\n\rAccertarsi di possedere i privilegi "
                                          "di scrittura nella cartella di installazione del programma."));
    }
    TRecordWindow::FormClose();
}

void TfrmProtocollo::newCard() {
    // The office and the operator stay from one card to the next.
    const ProtocolFields& f = ProtocolFields::get();
    const QString office = fieldText(f.Ufficio);
    const QString operatorName = fieldText(f.Operatore);
    TRecordWindow::newCard();
    setFieldText(f.Ufficio, office);
    setFieldText(f.Operatore, operatorName);
    setFieldText(f.DataReg, Formats::date(Clock::today()));
    proposal_.reset();
}

void TfrmProtocollo::cmdNuovoClick() {
    const ProtocolSettings::Numbering numbering = this->numbering();
    qint64 start = 1, count = 0;
    const bool ok = Archive::guard(this, [&] {
        const std::optional<qint64> s = ProtocolSettings::startNumber(numbering.start);
        if (!s) throw ArchiveError("start number is not a whole number");
        start = *s;
        TArchivioSchede archive;
        archive.open(archiveFile(), ProtocolFields::get().layout());
        count = archive.count();
        archive.close();
    });
    if (!ok) return;
    newCard();
    const QString number = ProtocolSettings::proposal(start, count, numbering.withYear, Clock::today());
    setFieldText(ProtocolFields::get().Numero, number);
    proposal_ = number;
    fieldControl(ProtocolFields::get().Categoria)->setFocus(Qt::OtherFocusReason);
}

bool TfrmProtocollo::validate() {
    checkNumber_.reset();
    reproposal_.reset();
    // Only a new card still carrying the number "Nuovo" proposed: a number
    // the user typed is the user's choice.
    if (!isNewCard() || !proposal_ || fieldText(ProtocolFields::get().Numero) != *proposal_) return true;
    Numbering numbering;
    const ProtocolSettings::Numbering n = this->numbering();
    const bool ok = Archive::guard(this, [&] {
        const std::optional<qint64> s = ProtocolSettings::startNumber(n.start);
        if (!s) throw ArchiveError("start number is not a whole number");
        numbering = {*s, n.withYear};
    });
    if (ok) checkNumber_ = numbering;
    return ok;
}

bool TfrmProtocollo::checkBeforeWrite(TArchivioSchede& archive, const Record&) {
    if (!checkNumber_) return true;
    // The whole check runs under the lock the write then uses: between the
    // reading of the numbers and the append no other copy can write.
    QSet<QString> used;
    qint64 count = 0;
    const ProtocolFields& f = ProtocolFields::get();
    Archive::forEach(archive, f.layout(), [&](const Record& r, qint64) {
        used.insert(Text::trim(r.get(f.Numero)));
        ++count;
    });
    if (!used.contains(*proposal_)) return true;
    // Another copy of the program sharing the folder registered the number
    // meanwhile: the first free one from the new count is proposed instead.
    const QDate today = Clock::today();
    qint64 n = count;
    QString next = ProtocolSettings::proposal(checkNumber_->start, n, checkNumber_->withYear, today);
    while (used.contains(next))
        next = ProtocolSettings::proposal(checkNumber_->start, ++n, checkNumber_->withYear, today);
    reproposal_ = next;
    return false;
}

void TfrmProtocollo::writeStopped() {
    if (!reproposal_) return;
    const QString old = proposal_.value_or(QString());
    setFieldText(ProtocolFields::get().Numero, *reproposal_);
    proposal_ = reproposal_;
    reproposal_.reset();
    Msg::warning(this, kMsgNumeroOccupato.arg(old, *proposal_));
    fieldControl(ProtocolFields::get().Numero)->setFocus(Qt::OtherFocusReason);
}

void TfrmProtocollo::cmdTrovaClick() {
    TfrmTrovaProtocollo w(this, archiveFile());
    showRecord(w.choose());
}

void TfrmProtocollo::cmdRiepilogoClick() {
    TfrmRiepProtocollo w(this, archiveFile());
    w.showModal();
}

void TfrmProtocollo::cmdEsportaClick() {
    TfrmExpProtocollo w(this, archiveFile());
    w.showModal();
}

void TfrmProtocollo::cmdStampaClick() {
    TfrmStampaProtocollo w(this, SchedaProtocollo::rows(values()));
    w.showModal();
}

void TfrmProtocollo::cmdNumerazioneClick() {
    TfrmNumerazione w(this);
    w.showModal();
}

void TfrmProtocollo::cmdFileClick() { Attachments::editOn(*this, QStringLiteral("protocollo")); }

void TfrmProtocollo::btnSfogliaClick() {
    const QString chosen = FileDialogs::getOpenFileName(this, QStringLiteral("Selezionare il file da allegare:"), {},
                                                        QStringLiteral("Tutti i file (*.*)"));
    if (chosen.isEmpty()) return;
    if (const std::optional<QString> name = AttachedFiles::copyIn(this, chosen))
        setFieldText(ProtocolFields::get().Copia, *name);
}

void TfrmProtocollo::btnApriClick() {
    const QString name = fieldText(ProtocolFields::get().Copia);
    if (!name.isEmpty()) AttachedFiles::open(this, name);
}

void TfrmProtocollo::imgCancella01Click() { setFieldText(ProtocolFields::get().Copia, QString()); }
