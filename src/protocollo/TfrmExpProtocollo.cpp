#include "protocollo/TfrmExpProtocollo.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "platform/Clock.h"
#include "protocollo/ProtocolColumns.h"

TfrmExpProtocollo::TfrmExpProtocollo(QWidget* owner, const QString& archiveFile)
    : TExportWindow(owner),
      archiveFile_(archiveFile.isEmpty() ? ArchiveFiles::protocollo(Clock::today().year()) : archiveFile) {
    setObjectName(QStringLiteral("frmExpProtocollo"));
    ExportWindowDescription desc;
    desc.caption = QStringLiteral(" Esportazione protocollo posta in Excel");
    desc.fileName = QStringLiteral("Protocollo.xls");
    desc.sheetName = QStringLiteral("Protocollo Posta");
    desc.table = ProtocolColumns::table();
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);
}

void TfrmExpProtocollo::forEachRecord(const RecordSink& add) {
    Archive::forEach(archiveFile_, Layouts::TSchedaProtocollo(), [&](const Record& r, qint64) { add(r); });
}
