#include "protocollo/TfrmExpProtocollo.h"

#include "archive/Layouts.h"
#include "platform/Clock.h"
#include "protocollo/ProtocolColumns.h"
#include "protocollo/ProtocolFields.h"

TfrmExpProtocollo::TfrmExpProtocollo(QWidget* owner, const QString& archiveFile) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmExpProtocollo"));
    ExportWindowDescription desc;
    desc.caption = QStringLiteral(" Esportazione protocollo posta in Excel");
    desc.fileName = QStringLiteral("Protocollo.xls");
    desc.sheetName = QStringLiteral("Protocollo Posta");
    desc.table = ProtocolColumns::table();
    desc.helpTitle = kHelpTitle;
    desc.archive = archiveFile.isEmpty() ? ArchiveFiles::protocollo(Clock::today().year()) : archiveFile;
    desc.layout = &ProtocolFields::get().layout();
    FormCreate(desc);
}
