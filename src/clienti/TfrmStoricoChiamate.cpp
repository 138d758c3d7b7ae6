#include "clienti/TfrmStoricoChiamate.h"

#include "archive/ArchivioSchede.h"
#include "archive/CallColumns.h"
#include "archive/Layouts.h"
#include "platform/Text.h"
#include "ui/Controls.h"

TfrmStoricoChiamate::TfrmStoricoChiamate(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmStoricoChiamate"));
    ExportWindowDescription desc;
    desc.caption = QStringLiteral(" Storico chiamate cliente");
    desc.fileName = QStringLiteral("Storico_Chiamate_Cliente.xls");
    desc.sheetName = QStringLiteral("Storico Chiamate Cliente");
    desc.helpTitle = kHelpTitle;
    for (const CallGridColumn& c : CallColumns::grid())
        if (!c.field.isEmpty()) desc.grid.push_back({c.header, c.name, 0});
    desc.columns = CallColumns::exported();
    FormCreate(desc);
}

QString TfrmStoricoChiamate::taxCode() const {
    const QWidget* owner = parentWidget();
    const QWidget* field = owner ? owner->findChild<QWidget*>(QStringLiteral("txtCodFisc")) : nullptr;
    return field ? Text::trim(Controls::text(field)) : QString();
}

void TfrmStoricoChiamate::fillRows(const RowSink& add) {
    const QString code = taxCode();
    // Without a code no call belongs to the client, not even those saved
    // without one.
    if (code.isEmpty()) return;
    Archive::forEach(ArchiveFiles::Chiamate, Layouts::TSchedaChiamata(), [&](const Record& r, int) {
        if (Text::trim(r.get(QStringLiteral("CodFisc"))) == code) add(CallColumns::row(r));
    });
}
