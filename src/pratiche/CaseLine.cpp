#include "pratiche/CaseLine.h"

#include "pratiche/CaseFields.h"

namespace CaseLine {

const std::vector<LinePart>& parts() {
    static const std::vector<LinePart> p = [] {
        const CaseFields& f = CaseFields::get();
        return std::vector<LinePart>{{"", f.Oggetto, 42},          {"  Prot. ", f.Protocollo, 16},
                                     {"  Data: ", f.Apertura, 10}, {"  ", f.Cliente, 28},
                                     {"  Tel. ", f.Recapito, 14},  {"  ", f.Stato, -1}};
    }();
    return p;
}

}  // namespace CaseLine
