#include "archive/ListPrint.h"

namespace ListPrint {
void print(QWidget*, const QString&, const QStringList&) {}
}
