#include "protocollo/TfrmTrovaProtocollo.h"

#include "archive/Layouts.h"

FindWindowDescription TfrmTrovaProtocollo::description(const QString& archiveFile) {
    FindWindowDescription d;
    d.caption = QStringLiteral(" Trova documenti protocollati");
    d.layout = &Layouts::TSchedaProtocollo();
    d.fileName = archiveFile;
    d.fields = {{"txtNumero", "N. protocollo:", "Numero"},
                {"txtTipologia", "Tipologia posta (in entrata, in uscita, interna):", "Tipo"},
                {"txtDataReg", "Data registrazione (gg/mm/aaaa):", "DataReg"},
                {"txtOperatore", "Operatore:", "Operatore"},
                {"txtCategoria", "Categoria:", "Categoria"},
                {"txtOggetto", "Oggetto:", "Oggetto"},
                {"txtMittente", "Mittente:", "Mittente"},
                {"txtDestinatario", "Destinatario:", "Destinatario"},
                {"txtRiferimenti", "Riferimenti:", "Riferimenti"},
                {"txtNote", "Note:", "Note"}};
    d.line = {{"Prot. n. ", "Numero", 14}, {"  Data: ", "DataReg", 10}, {"  Posta: ", "Tipo", 10},
              {"  ", "Oggetto", 35},       {"  Da: ", "Mittente", 24},  {"  A: ", "Destinatario", -1}};
    d.printTitle = QStringLiteral("Riepilogo documenti protocollati");
    d.sorted = true;
    d.mode = QStringLiteral("protocollo");
    return d;
}

TfrmTrovaProtocollo::TfrmTrovaProtocollo(QWidget* owner, const QString& archiveFile)
    : TFindWindow(description(archiveFile), owner) {
    setObjectName(QStringLiteral("frmTrovaProtocollo"));
}
