#include "clienti/TfrmRicontatta.h"

#include "archive/ArchivioSchede.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "archive/TestoCorto.h"

namespace {
const std::vector<LinePart>& lineParts() {
    static const std::vector<LinePart> parts = [] {
        const ClientFields& f = ClientFields::get();
        return std::vector<LinePart>{{"", f.Cliente, 26},
                                     {"  Tel. ", f.Recapito, 15},
                                     {"  ", f.Occupazione, 25},
                                     {"  Prod. ", f.Prodotti, 30},
                                     {"  ", f.Questioni, -1}};
    }();
    return parts;
}
}  // namespace

TfrmRicontatta::TfrmRicontatta(QWidget* owner)
    : TSummaryList(owner, {QStringLiteral("frmRicontatta"), QStringLiteral(" Riepilogo clienti da ricontattare"),
                           kTitolo, ArchiveFiles::Clienti, &ClientFields::get().layout(), lineParts(), QSize(1000, 560)}) {
}

RecordFilter TfrmRicontatta::selection() const {
    return [](const Record& r) { return r.get(ClientFields::get().Ricontatta) == Flag::Si; };
}
