#include "protocollo/TfrmRiepProtocollo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "archive/DateRules.h"
#include "archive/Layouts.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "protocollo/ProtocolColumns.h"
#include "protocollo/ProtocolFields.h"
#include "ui/FocusMark.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/StatusLine.h"

namespace {

const QString kHintData = QStringLiteral("Indica una data nel formato gg/mm/aaa.");

using DateRules::Part;
using DateRules::Refused;

QString needDate(const char* end) {
    return QStringLiteral("Attenzione: per visualizzare il riepilogo \u00E8 necessario indicare la data di ") +
           QLatin1String(end) + QStringLiteral(" intervallo.");
}

// The interval as typed, trimmed: both ends given, then as DateRules::interval
// checks them.
std::optional<Refused> check(const QString& from, const QString& to) {
    if (from.isEmpty()) return Refused{Part::Start, needDate("inizio"), MsgKind::Warning};
    if (to.isEmpty()) return Refused{Part::End, needDate("fine"), MsgKind::Warning};
    return DateRules::interval(from, to);
}

}  // namespace

TfrmRiepProtocollo::TfrmRiepProtocollo(QWidget* owner, const QString& archiveFile) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmRiepProtocollo"));

    // The interval above the grid.
    auto* panDate = new QWidget(this);
    panDate->setObjectName(QStringLiteral("panIntervallo"));
    auto* row = new QHBoxLayout(panDate);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(8);
    auto field = [&](const char* name, const QString& caption) {
        auto* label = new QLabel(caption, panDate);
        auto* e = new QLineEdit(panDate);
        e->setObjectName(QLatin1String(name));
        e->setMaxLength(10);
        e->setFixedWidth(110);
        label->setBuddy(e);
        row->addWidget(label);
        row->addWidget(e);
        TFocusMark::attach(e);
        return e;
    };
    txtDataInizio_ = field("txtDataInizio", QStringLiteral("Protocollati dalla data:"));
    row->addSpacing(8);
    txtDataFine_ = field("txtDataFine", QStringLiteral("alla data:"));
    auto* trova = TPictureButton::fieldButton(
        "cmdTrova", ":/img/btn/trova.svg", "Visualizza il riepilogo",
        "Visualizza il riepilogo dei documenti protocollati nell'intervallo di tempo selezionato.", panDate);
    row->addSpacing(8);
    row->addWidget(trova);
    row->addStretch(1);
    addPanelAbove(panDate);

    connect(trova, &QAbstractButton::clicked, this, &TfrmRiepProtocollo::cmdTrovaClick);
    // Enter goes from the start to the end, and from the end shows the summary.
    connect(txtDataInizio_, &QLineEdit::returnPressed, txtDataFine_, [this] { txtDataFine_->setFocus(); });
    connect(txtDataFine_, &QLineEdit::returnPressed, this, &TfrmRiepProtocollo::cmdTrovaClick);

    ExportWindowDescription desc;
    desc.caption = QStringLiteral(" Riepilogo protocollo per intervallo di tempo");
    desc.fileName = QStringLiteral("Protocollo.xls");
    desc.sheetName = QStringLiteral("Protocollo Documenti");
    desc.table = ProtocolColumns::table();
    desc.helpTitle = kHelpTitle;
    desc.infoText = QStringLiteral("Riepilogo documenti protocollati in un intervallo di tempo.");
    desc.archive = archiveFile.isEmpty() ? ArchiveFiles::protocollo(Clock::today().year()) : archiveFile;
    desc.layout = &ProtocolFields::get().layout();
    desc.filter = [this] {
        // A registration date that is no date lies in no interval: counted.
        return [in = *interval_](const Record& r) -> Pick {
            const QDate d = Formats::parseDate(Text::trim(r.get(ProtocolFields::get().DataReg)));
            if (!d.isValid()) return Pick::unreadableDate();
            return d >= in.start && d <= in.end;
        };
    };
    FormCreate(desc);
    statusLine()->setHint(txtDataInizio_, kHintData);
    statusLine()->setHint(txtDataFine_, kHintData);
    statusLine()->bind();
}

void TfrmRiepProtocollo::FormShow() {
    txtDataInizio_->clear();
    txtDataFine_->setText(Formats::date(Clock::today()));
    interval_.reset();
    showNoRows();  // empty until an interval is shown, and ready to export as such
    txtDataInizio_->setFocus(Qt::OtherFocusReason);
}

void TfrmRiepProtocollo::cmdTrovaClick() {
    const QString from = Text::trim(txtDataInizio_->text());
    const QString to = Text::trim(txtDataFine_->text());
    if (const std::optional<Refused> refusal = check(from, to)) {
        Msg::of(this, refusal->kind, refusal->text);
        if (refusal->part)
            (*refusal->part == Part::Start ? txtDataInizio_ : txtDataFine_)->setFocus(Qt::OtherFocusReason);
        return;
    }
    interval_ = Interval{Formats::parseDate(from), Formats::parseDate(to)};
    refill();
}
