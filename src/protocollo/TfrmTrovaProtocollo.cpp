#include "protocollo/TfrmTrovaProtocollo.h"

#include "protocollo/ProtocolFields.h"

FindWindowDescription TfrmTrovaProtocollo::description(const QString& archiveFile) {
    const ProtocolFields& f = ProtocolFields::get();
    // The kind of mail's criterion keeps the name its search field always had.
    FindField tipologia(f.Tipo);
    tipologia.control = QStringLiteral("txtTipologia");
    FindWindowDescription d;
    d.caption = QStringLiteral(" Trova documenti protocollati");
    d.layout = &f.layout();
    d.fileName = archiveFile;
    d.fields = {f.Numero,  tipologia,  f.DataReg,      f.Operatore,   f.Categoria,
                f.Oggetto, f.Mittente, f.Destinatario, f.Riferimenti, f.Note};
    d.line = {{"Prot. n. ", f.Numero, 14}, {"  Data: ", f.DataReg, 10}, {"  Posta: ", f.Tipo, 10},
              {"  ", f.Oggetto, 35},       {"  Da: ", f.Mittente, 24},  {"  A: ", f.Destinatario, -1}};
    d.printTitle = QStringLiteral("Riepilogo documenti protocollati");
    d.sorted = true;
    d.mode = QStringLiteral("protocollo");
    return d;
}

TfrmTrovaProtocollo::TfrmTrovaProtocollo(QWidget* owner, const QString& archiveFile)
    : TFindWindow(description(archiveFile), owner) {
    setObjectName(QStringLiteral("frmTrovaProtocollo"));
}
