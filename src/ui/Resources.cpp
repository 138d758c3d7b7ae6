#include "ui/Resources.h"

#include <QtGlobal>

void initPlenaroResources() { Q_INIT_RESOURCE(plenaro); }
