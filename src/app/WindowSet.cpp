#include "app/WindowSet.h"

#include <QPointer>

#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmZoom.h"
#include "appuntamenti/CommitmentSummaries.h"
#include "appuntamenti/TfrmAgenda.h"
#include "appuntamenti/TfrmArchivio_Scadenze.h"
#include "appuntamenti/TfrmExpGiornaliere.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "appuntamenti/TfrmExpMensili.h"
#include "appuntamenti/TfrmExpScadenzario.h"
#include "appuntamenti/TfrmMenuRiepCosti.h"
#include "appuntamenti/TfrmRiepCosti.h"
#include "appuntamenti/TfrmStampaScadenza.h"
#include "appuntamenti/TfrmTrovaScadenze.h"
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
#include "clienti/TfrmRicontatta.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "dipendenti/TfrmDipendenti.h"
#include "dipendenti/TfrmLavori_Svolti.h"
#include "dipendenti/TfrmSlideshow_Dipendenti.h"
#include "dipendenti/TfrmStampaDipendenti.h"
#include "dipendenti/TfrmTrovaDipendenti.h"
#include "dipendenti/TfrmWebCam.h"
#include "libri/TfrmCodici_Dewey.h"
#include "libri/TfrmLibri.h"
#include "libri/TfrmSlideshow_Libri.h"
#include "libri/TfrmStampaLibri.h"
#include "libri/TfrmTrovaLibri.h"
#include "pratiche/TfrmCartella.h"
#include "pratiche/TfrmDettagli.h"
#include "pratiche/TfrmExpPratiche.h"
#include "pratiche/TfrmPratica.h"
#include "pratiche/TfrmTrovaPratica.h"
#include "pratiche/TfrmUrgenti.h"
#include "protocollo/TfrmExpProtocollo.h"
#include "protocollo/TfrmMenuProtocollo.h"
#include "protocollo/TfrmNumerazione.h"
#include "protocollo/TfrmProtocollo.h"
#include "protocollo/TfrmRiepProtocollo.h"
#include "protocollo/TfrmStampaProtocollo.h"
#include "protocollo/TfrmTrovaProtocollo.h"
#include "ui/Form.h"
#include "ui/Help.h"
#include "ui/PhotoZoom.h"

namespace {
WindowSet* g_current = nullptr;
}

template <class T>
WindowSlot<T>::WindowSlot(WindowSet* set) : set_(set) {
    set->builders_.push_back([this] {
        if (built()) return false;
        get();
        return true;
    });
}

WindowSet::WindowSet() {
    g_current = this;
    // Only the main window: the launcher and the rest follow once it shows.
    frmPassword.get();

    Help::setOpener(&TfrmGuida::open);
    PhotoZoom::setOpener(&TfrmZoom::open);
}

void WindowSet::bindLauncher(TfrmAvvio* launcher) {
    // The launcher's tiles, 1 to 8: Dipendenti, Clienti, Chiamate, Pratica,
    // Libri, MenuProtocollo, Agenda, MenuRiepCosti.
    launcher->setApp(1, [this] { return static_cast<TAppWindow*>(frmDipendenti.get()); });
    launcher->setApp(2, [this] { return static_cast<TAppWindow*>(frmClienti.get()); });
    launcher->setApp(3, [this] { return static_cast<TAppWindow*>(frmChiamate.get()); });
    launcher->setApp(4, [this] { return static_cast<TAppWindow*>(frmPratica.get()); });
    launcher->setApp(5, [this] { return static_cast<TAppWindow*>(frmLibri.get()); });
    launcher->setApp(6, [this] {
        frmMenuProtocollo->setProtocolWindow([this] { return frmProtocollo.get(); });
        return static_cast<TAppWindow*>(frmMenuProtocollo.get());
    });
    launcher->setApp(7, [this] {
        frmAgenda->setCardWindow([this] { return static_cast<TAppWindow*>(frmArchivio_Scadenze.get()); });
        return static_cast<TAppWindow*>(frmAgenda.get());
    });
    launcher->setApp(8, [this] {
        frmMenuRiepCosti->setSummaryWindow([this] { return frmRiepCosti.get(); });
        return static_cast<TAppWindow*>(frmMenuRiepCosti.get());
    });

    AppShell::setLauncher(launcher);
}

void WindowSet::buildRemaining() {
    while (buildNext()) {}
}

bool WindowSet::buildNext() {
    for (const auto& build : builders_)
        if (build()) return true;
    return false;
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
