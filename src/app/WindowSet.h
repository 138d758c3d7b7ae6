#pragma once
// The windows of the program. Each window class has one instance, created
// once at start-up in a fixed order and freed when the program ends; every
// window reaches another through windows(). The first one created, the
// password window, is the application's main window: closing it ends the
// program.
//
// Adding a window: declare its class below, add its member in its place in
// the order, and add one create() line in the same place in WindowSet.cpp.
#include <QStringList>
#include <vector>

class QWidget;

class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmGuida;
class TfrmInfo;
class TfrmSplash;
class TfrmAgenda;
class TfrmAllegaExcel;
class TfrmAnteprimaChiamata;
class TfrmCarta;
class TfrmChiamate;
class TfrmClienti;
class TfrmCodFisc;
class TfrmExpChiamate;
class TfrmExpClienti;
class TfrmExpGiornaliere;
class TfrmExpImminenti;
class TfrmExpMensili;
class TfrmExpScadenzario;
class TfrmIban;
class TfrmPartitaIva;
class TfrmRicontatta;
class TfrmRiepChiamateOggi;
class TfrmStampaChiamata;
class TfrmStoricoChiamate;
class TfrmTrovaChiamate;
class TfrmTrovaClienti;
class TfrmWhatsApp_Message;
class TfrmZoom;

class WindowSet {
public:
    // In creation order.
    TfrmPassword* frmPassword = nullptr;
    TfrmAvvio* frmAvvio = nullptr;
    TfrmCambiaPassword* frmCambiaPassword = nullptr;
    TfrmGuida* frmGuida = nullptr;
    TfrmInfo* frmInfo = nullptr;
    TfrmSplash* frmSplash = nullptr;
    TfrmAgenda* frmAgenda = nullptr;
    TfrmAllegaExcel* frmAllegaExcel = nullptr;
    TfrmAnteprimaChiamata* frmAnteprimaChiamata = nullptr;
    TfrmCarta* frmCarta = nullptr;
    TfrmChiamate* frmChiamate = nullptr;
    TfrmClienti* frmClienti = nullptr;
    TfrmCodFisc* frmCodFisc = nullptr;
    TfrmExpChiamate* frmExpChiamate = nullptr;
    TfrmExpClienti* frmExpClienti = nullptr;
    TfrmExpGiornaliere* frmExpGiornaliere = nullptr;
    TfrmExpImminenti* frmExpImminenti = nullptr;
    TfrmExpMensili* frmExpMensili = nullptr;
    TfrmExpScadenzario* frmExpScadenzario = nullptr;
    TfrmIban* frmIban = nullptr;
    TfrmPartitaIva* frmPartitaIva = nullptr;
    TfrmRicontatta* frmRicontatta = nullptr;
    TfrmRiepChiamateOggi* frmRiepChiamateOggi = nullptr;
    TfrmStampaChiamata* frmStampaChiamata = nullptr;
    TfrmStoricoChiamate* frmStoricoChiamate = nullptr;
    TfrmTrovaChiamate* frmTrovaChiamate = nullptr;
    TfrmTrovaClienti* frmTrovaClienti = nullptr;
    TfrmWhatsApp_Message* frmWhatsApp_Message = nullptr;
    TfrmZoom* frmZoom = nullptr;

    // Creates every window, binds the launcher's tiles and installs the
    // shell's help and photo windows; this becomes the set windows() gives.
    WindowSet();
    // Frees the windows, the last created first.
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // The class names of the windows, in the order they were created.
    QStringList creationOrder() const;

private:
    template <class T>
    void create(T*& slot);
    std::vector<QWidget*> created_;
};

// The window set of the running program.
WindowSet& windows();
