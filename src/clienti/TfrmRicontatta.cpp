#include "clienti/TfrmRicontatta.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "archive/TestoCorto.h"

namespace {
const std::vector<LinePart>& lineParts() {
    static const std::vector<LinePart> parts = {{"", "Cliente", 26},
                                                {"  Tel. ", "Recapito", 15},
                                                {"  ", "Occupazione", 25},
                                                {"  Prod. ", "Prodotti", 30},
                                                {"  ", "Questioni", -1}};
    return parts;
}
}  // namespace

TfrmRicontatta::TfrmRicontatta(QWidget* owner)
    : TSummaryList(owner, {QStringLiteral("frmRicontatta"), QStringLiteral(" Riepilogo clienti da ricontattare"),
                           kTitolo, ArchiveFiles::Clienti, &Layouts::TSchedaCliente(), lineParts(), QSize(1000, 560)}) {
}

RecordFilter TfrmRicontatta::selection() const {
    return [](const Record& r) { return r.get("Ricontatta") == Flag::Si; };
}
