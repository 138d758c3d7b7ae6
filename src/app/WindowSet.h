#pragma once
// The windows of the program. Each window class has one instance, built
// once and freed when the program ends; every window reaches another through
// windows(). The first one built, the password window, is the application's
// main window: closing it ends the program. The others are built when first
// needed, or one by one in their order once the password window is shown,
// so the program starts as fast as its first window.
//
// Adding a window: declare its class below and add its slot in its place in
// the order.
#include <QStringList>
#include <functional>
#include <type_traits>
#include <vector>

class QWidget;

class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmGuida;
class TfrmInfo;
class TfrmSplash;
class TfrmAllegaExcel;
class TfrmAnteprimaChiamata;
class TfrmCarta;
class TfrmChiamate;
class TfrmClienti;
class TfrmCodFisc;
class TfrmExpChiamate;
class TfrmExpClienti;
class TfrmIban;
class TfrmMenuRiepCosti;
class TfrmPartitaIva;
class TfrmRicontatta;
class TfrmRiepChiamateOggi;
class TfrmRiepCosti;
class TfrmStampaChiamata;
class TfrmStoricoChiamate;
class TfrmTrovaChiamate;
class TfrmTrovaClienti;
class TfrmMenuProtocollo;
class TfrmProtocollo;
class TfrmNumerazione;
class TfrmExpProtocollo;
class TfrmStampaProtocollo;
class TfrmTrovaProtocollo;
class TfrmRiepProtocollo;
class TfrmArchivio_Scadenze;
class TfrmAssolti;
class TfrmConfermati;
class TfrmScaduti;
class TfrmStampaScadenza;
class TfrmStartup;
class TfrmTrovaScadenze;
class TfrmAgenda;
class TfrmExpGiornaliere;
class TfrmExpImminenti;
class TfrmExpMensili;
class TfrmExpScadenzario;
class TfrmWhatsApp_Message;
class TfrmDipendenti;
class TfrmZoom;
class TfrmWebCam;
class TfrmSlideshow_Dipendenti;
class TfrmAnteprimaDipendenti;
class TfrmStampaDipendenti;
class TfrmTrovaDipendenti;
class TfrmLavori_Svolti;
class TfrmPratica;
class TfrmTrovaPratica;
class TfrmUrgenti;
class TfrmExpPratiche;
class TfrmDettagli;
class TfrmCartella;
class TfrmLibri;
class TfrmCodici_Dewey;
class TfrmTrovaLibri;
class TfrmStampaLibri;
class TfrmAnteprimaLibri;
class TfrmSlideshow_Libri;

class WindowSet;

// One window of the set, built the first time it is asked for: at once by
// whoever needs it, or in its turn after the password window is shown.
// It reads as a pointer to the window.
template <class T>
class WindowSlot {
public:
    // Defined beside the set's constructor, where every window class is known.
    explicit WindowSlot(WindowSet* set);
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    T* get() const;
    operator T*() const { return get(); }
    T* operator->() const { return get(); }
    bool built() const { return window_ != nullptr; }

private:
    WindowSet* set_;
    mutable T* window_ = nullptr;
};

class WindowSet {
    // Before the slots: each slot enters its builder here as it is constructed.
    std::vector<std::function<bool()>> builders_;  // in creation order
    std::vector<QWidget*> created_;

public:
    // In creation order.
    WindowSlot<TfrmPassword> frmPassword{this};
    WindowSlot<TfrmAvvio> frmAvvio{this};
    WindowSlot<TfrmCambiaPassword> frmCambiaPassword{this};
    WindowSlot<TfrmGuida> frmGuida{this};
    WindowSlot<TfrmInfo> frmInfo{this};
    WindowSlot<TfrmSplash> frmSplash{this};
    WindowSlot<TfrmAgenda> frmAgenda{this};
    WindowSlot<TfrmAllegaExcel> frmAllegaExcel{this};
    WindowSlot<TfrmAnteprimaChiamata> frmAnteprimaChiamata{this};
    WindowSlot<TfrmArchivio_Scadenze> frmArchivio_Scadenze{this};
    WindowSlot<TfrmAssolti> frmAssolti{this};
    WindowSlot<TfrmCarta> frmCarta{this};
    WindowSlot<TfrmChiamate> frmChiamate{this};
    WindowSlot<TfrmClienti> frmClienti{this};
    WindowSlot<TfrmCodFisc> frmCodFisc{this};
    WindowSlot<TfrmConfermati> frmConfermati{this};
    WindowSlot<TfrmExpChiamate> frmExpChiamate{this};
    WindowSlot<TfrmExpClienti> frmExpClienti{this};
    WindowSlot<TfrmExpGiornaliere> frmExpGiornaliere{this};
    WindowSlot<TfrmExpImminenti> frmExpImminenti{this};
    WindowSlot<TfrmExpMensili> frmExpMensili{this};
    WindowSlot<TfrmExpScadenzario> frmExpScadenzario{this};
    WindowSlot<TfrmIban> frmIban{this};
    WindowSlot<TfrmMenuRiepCosti> frmMenuRiepCosti{this};
    WindowSlot<TfrmPartitaIva> frmPartitaIva{this};
    WindowSlot<TfrmRicontatta> frmRicontatta{this};
    WindowSlot<TfrmRiepChiamateOggi> frmRiepChiamateOggi{this};
    WindowSlot<TfrmRiepCosti> frmRiepCosti{this};
    WindowSlot<TfrmScaduti> frmScaduti{this};
    WindowSlot<TfrmStampaChiamata> frmStampaChiamata{this};
    WindowSlot<TfrmStampaScadenza> frmStampaScadenza{this};
    WindowSlot<TfrmStartup> frmStartup{this};
    WindowSlot<TfrmStoricoChiamate> frmStoricoChiamate{this};
    WindowSlot<TfrmTrovaChiamate> frmTrovaChiamate{this};
    WindowSlot<TfrmTrovaClienti> frmTrovaClienti{this};
    WindowSlot<TfrmTrovaScadenze> frmTrovaScadenze{this};
    WindowSlot<TfrmWhatsApp_Message> frmWhatsApp_Message{this};
    WindowSlot<TfrmMenuProtocollo> frmMenuProtocollo{this};
    WindowSlot<TfrmProtocollo> frmProtocollo{this};
    WindowSlot<TfrmNumerazione> frmNumerazione{this};
    WindowSlot<TfrmExpProtocollo> frmExpProtocollo{this};
    WindowSlot<TfrmStampaProtocollo> frmStampaProtocollo{this};
    WindowSlot<TfrmTrovaProtocollo> frmTrovaProtocollo{this};
    WindowSlot<TfrmRiepProtocollo> frmRiepProtocollo{this};
    WindowSlot<TfrmDipendenti> frmDipendenti{this};
    WindowSlot<TfrmZoom> frmZoom{this};
    WindowSlot<TfrmWebCam> frmWebCam{this};
    WindowSlot<TfrmSlideshow_Dipendenti> frmSlideshow_Dipendenti{this};
    WindowSlot<TfrmAnteprimaDipendenti> frmAnteprimaDipendenti{this};
    WindowSlot<TfrmStampaDipendenti> frmStampaDipendenti{this};
    WindowSlot<TfrmTrovaDipendenti> frmTrovaDipendenti{this};
    WindowSlot<TfrmLavori_Svolti> frmLavori_Svolti{this};
    WindowSlot<TfrmPratica> frmPratica{this};
    WindowSlot<TfrmTrovaPratica> frmTrovaPratica{this};
    WindowSlot<TfrmUrgenti> frmUrgenti{this};
    WindowSlot<TfrmExpPratiche> frmExpPratiche{this};
    WindowSlot<TfrmDettagli> frmDettagli{this};
    WindowSlot<TfrmCartella> frmCartella{this};
    WindowSlot<TfrmLibri> frmLibri{this};
    WindowSlot<TfrmCodici_Dewey> frmCodici_Dewey{this};
    WindowSlot<TfrmTrovaLibri> frmTrovaLibri{this};
    WindowSlot<TfrmStampaLibri> frmStampaLibri{this};
    WindowSlot<TfrmAnteprimaLibri> frmAnteprimaLibri{this};
    WindowSlot<TfrmSlideshow_Libri> frmSlideshow_Libri{this};

    // Builds the password window, the program's main window, and binds the
    // launcher's tiles and the shell's help and photo windows; the other
    // windows are built when first asked for, or by buildRemaining(). This
    // becomes the set windows() gives.
    WindowSet();
    // Frees the windows, the last created first.
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Builds every window not built yet, in creation order.
    void buildRemaining();
    // Builds the next window not built yet; false when none is left.
    bool buildNext();

    // The class names of the windows, in the order they were created.
    QStringList creationOrder() const;

private:
    template <class T>
    friend class WindowSlot;
    void created(QWidget* window) { created_.push_back(window); }
    // Binds the launcher's tiles to their apps once it is built.
    void bindLauncher(TfrmAvvio* launcher);
};

template <class T>
T* WindowSlot<T>::get() const {
    if (!window_) {
        window_ = new T();
        set_->created(window_);
        if constexpr (std::is_same_v<T, TfrmAvvio>) set_->bindLauncher(window_);
    }
    return window_;
}

// The window set of the running program.
WindowSet& windows();
