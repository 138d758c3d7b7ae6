#include "clienti/TfrmAllegaExcel.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "archive/RecordWindow.h"
#include "clienti/ServiceFields.h"
#include "platform/Formats.h"
#include "platform/Text.h"

EntriesWindowDescription TfrmAllegaExcel::description(const QString& clientName, int clientPosition) {
    const QString name = Text::trim(clientName);
    EntriesWindowDescription d;
    d.objectName = QStringLiteral("frmAllegaExcel");
    d.caption = QStringLiteral(" Riepilogo servizi forniti");
    const ServiceFields& f = ServiceFields::get();
    d.card = &f;
    d.fileName = ArchiveFiles::servizi(clientPosition);
    d.line = {{"Data: ", f.Data, 10},
              {"   Ora: ", f.Ora, 5},
              {"   Servizi: ", f.Servizi, 54},
              {"  Agente: ", f.Agente, 28},
              {"  Costo: \u20AC ", f.Importo, -1}};
    d.listedField = f.Importo;
    d.title = QStringLiteral("Servizi forniti a ") + name;
    d.modifyInstruction = QStringLiteral(
        "Per modificare una scheda in elenco, selezionarla con un clic e premere il pulsante Modifica voce.");
    d.totalCaption = QStringLiteral("Totale importi:");
    d.addText = QStringLiteral("Aggiungi voce");
    d.modifyText = QStringLiteral("Modifica voce");
    d.printTitle = QStringLiteral("Riepilogo servizi forniti a ") + name;
    d.printTotal = QStringLiteral("TOTALE IMPORTI:    ");
    using F = EntryField::Fill;
    d.fields = {{f.Data, F::Today, "impData"}, {f.Ora, F::Now, "impOra"}, {f.Servizi}, {f.Agente}, {f.Importo}};
    return d;
}

TfrmAllegaExcel::TfrmAllegaExcel(const QString& clientName, int clientPosition, QWidget* owner)
    : TEntriesWindow(description(clientName, clientPosition), owner) {}

QString TfrmAllegaExcel::emptyTotal() const { return QStringLiteral("0,00"); }

void TfrmAllegaExcel::startTotal() {
    total_ = 0;
    any_ = false;
}

void TfrmAllegaExcel::addToTotal(const Record& entry) {
    double amount = 0;
    if (!Formats::parseDecimal(entry.get(ServiceFields::get().Importo), &amount)) throw ArchiveError("amount");
    total_ += amount;
    any_ = true;
}

QString TfrmAllegaExcel::totalText(bool complete) const {
    if (complete) return QStringLiteral("\u20AC ") + Formats::amount(total_);
    // A filling stopped by an error shows the sum read so far, unformatted.
    if (!any_) return emptyTotal();
    QString sum = QString::number(total_, 'g', 15);
    sum.replace(QLatin1Char('.'), Formats::decimalSeparator());
    return sum;
}
