#include "pratiche/CaseLine.h"

namespace CaseLine {

const std::vector<LinePart>& parts() {
    static const std::vector<LinePart> p = {{"", "Oggetto", 42},          {"  Prot. ", "Protocollo", 16},
                                            {"  Data: ", "Apertura", 10}, {"  ", "Cliente", 28},
                                            {"  Tel. ", "Recapito", 14},  {"  ", "Stato", -1}};
    return p;
}

}  // namespace CaseLine
