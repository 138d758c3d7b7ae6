#include "app/WindowSet.h"

#include <QPointer>

#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmZoom.h"
#include "appuntamenti/TfrmAgenda.h"
#include "appuntamenti/TfrmExpGiornaliere.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "appuntamenti/TfrmExpMensili.h"
#include "appuntamenti/TfrmExpScadenzario.h"
#include "appuntamenti/TfrmWhatsApp_Message.h"
#include "archive/TfrmTrovaClienti.h"
#include "archive/checks/CheckWindows.h"
#include "chiamate/TfrmChiamate.h"
#include "chiamate/TfrmExpChiamate.h"
#include "chiamate/TfrmRiepChiamateOggi.h"
#include "chiamate/TfrmStampaChiamata.h"
#include "chiamate/TfrmTrovaChiamate.h"
#include "clienti/TfrmAllegaExcel.h"
#include "clienti/TfrmClienti.h"
#include "clienti/TfrmExpClienti.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "clienti/TfrmRicontatta.h"
#include "ui/Form.h"
#include "ui/Help.h"
#include "ui/PhotoZoom.h"

namespace {
WindowSet* g_current = nullptr;
}

template <class T>
void WindowSet::create(T*& slot) {
    slot = new T();
    created_.push_back(slot);
}

WindowSet::WindowSet() {
    g_current = this;

    // The order of creation; the first is the main window.
    create(frmPassword);
    create(frmAvvio);
    create(frmCambiaPassword);
    create(frmGuida);
    create(frmInfo);
    create(frmSplash);
    create(frmAgenda);
    create(frmAllegaExcel);
    create(frmAnteprimaChiamata);
    create(frmCarta);
    create(frmChiamate);
    create(frmClienti);
    create(frmCodFisc);
    create(frmExpChiamate);
    create(frmExpClienti);
    create(frmExpGiornaliere);
    create(frmExpImminenti);
    create(frmExpMensili);
    create(frmExpScadenzario);
    create(frmIban);
    create(frmPartitaIva);
    create(frmRicontatta);
    create(frmRiepChiamateOggi);
    create(frmStampaChiamata);
    create(frmStoricoChiamate);
    create(frmTrovaChiamate);
    create(frmTrovaClienti);
    create(frmWhatsApp_Message);
    create(frmZoom);

    // The launcher's tiles, 1 to 8: Dipendenti, Clienti, Chiamate, Pratica,
    // Libri, MenuProtocollo, Agenda, MenuRiepCosti.
    frmAvvio->setApp(2, frmClienti);
    frmAvvio->setApp(3, frmChiamate);
    frmAvvio->setApp(7, frmAgenda);

    AppShell::setLauncher(frmAvvio);
    Help::setOpener(&TfrmGuida::open);
    PhotoZoom::setOpener(&TfrmZoom::open);
}

WindowSet::~WindowSet() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
    created_.clear();
    if (g_current == this) g_current = nullptr;
}

QStringList WindowSet::creationOrder() const {
    QStringList names;
    for (QWidget* w : created_) names << QString::fromLatin1(w->metaObject()->className());
    return names;
}

WindowSet& windows() {
    Q_ASSERT(g_current);
    return *g_current;
}
