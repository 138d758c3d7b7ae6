#pragma once
#include <functional>
// The agenda: the appointments due soon, by each card's days of notice, in
// time order, with a picture and a short sound saying whether there are any.
// From here the user prints or exports the list, sees the appointments of a
// day or month of the calendar, opens the card window and sends a client a
// WhatsApp reminder. The agenda only reads the appointment archive.
#include <QDate>
#include <QPointer>
#include <optional>

#include "appuntamenti/TfrmWhatsApp_Message.h"
#include "ui/Form.h"

class QCalendarWidget;
class QLabel;
class QPushButton;
class TPictureButton;
class TRecordList;
class TStatusLine;

class TfrmAgenda : public TAppWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Agenda Appuntamenti");
    static inline const QString kTitoloStampa = QStringLiteral("Riepilogo appuntamenti imminenti");
    static inline const QString kSuono = QStringLiteral("Avviso.mp3");  // delivered with the program
    static inline const QString kMsgListaVuota =
        QStringLiteral("Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun appuntamento.");
    static inline const QString kMsgSelezione = QStringLiteral(
        "Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria "
        "dell'appuntamento prima di fare clic sull'icona di WhatsApp.");

    explicit TfrmAgenda(QWidget* owner = nullptr);

    // The appointment card window, shown by "Inserisci appuntamenti".
    void setCardWindow(TAppWindow* window);
    // The same, the window given when first needed.
    using WindowSource = std::function<TAppWindow*()>;
    void setCardWindow(WindowSource source) { cardSource_ = std::move(source); }

    // The day chosen in the calendar (today when the agenda was created).
    QDate calendarDate() const;
    // The appointment of the line last chosen since the agenda was shown.
    const std::optional<Reminder>& selected() const { return selected_; }
    // True when the pictures say that there are appointments.
    bool showsAppointments() const;

public slots:
    void btnCaricaListaClick();
    void lstRecordsClick();
    void btnGiornoClick();
    void btnMeseClick();
    void btnExcelClick();
    void btnStampaClick();
    void btnWhatsAppClick();
    void btnArchivioClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    TPictureButton* button(const QString& name, const QString& picture, const QString& caption,
                           const QString& accessibleName, const QString& hint);
    void showPictures(bool appointments);
    void setSelected(const std::optional<Reminder>& reminder);

    TRecordList* lstRecords_;
    QCalendarWidget* calAppuntamenti_;
    QLabel* imgPresenti_;
    QLabel* imgAppuntamentiSI_;
    QLabel* imgAssenti_;
    QLabel* imgAppuntamentiNO_;
    QLabel* lblTotale_;
    QLabel* lblEscluse_;  // the cards to do whose date cannot be read
    QLabel* titData_;
    QLabel* titOra_;
    QLabel* titContatto_;
    QLabel* titCel_;
    QPushButton* btnCaricaLista_;
    TStatusLine* panInfo_;
    WindowSource cardSource_;
    std::optional<Reminder> selected_;
};
