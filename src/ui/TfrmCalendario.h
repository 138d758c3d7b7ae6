#pragma once
// The date picker: a month calendar on today, "Importa" and "Annulla". The
// window that opens it says which field the date is for (lblMemory shows it),
// and receives the chosen date back.
#include <QDate>
#include <optional>

#include "ui/Form.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

class TfrmCalendario : public TForm {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* owner = nullptr);

    // Creates the picker for one use owned by owner, showing the asking
    // field's keyword ("data", "datareg"), shows it modally and frees it. The
    // chosen date, or nothing when the user cancels or closes the window.
    static std::optional<QDate> pick(QWidget* owner, const QString& keyword);

    // A month calendar "calAppuntamenti" as every window shows one: Italian
    // month and day names whatever the system speaks, weeks from Monday,
    // today selected and in bold.
    static QCalendarWidget* italianCalendar(QWidget* parent, const QString& accessibleName);

    // The asking field's keyword, which lblMemory shows.
    void setKeyword(const QString& keyword);
    // The date taken with "Importa"; nothing until then.
    const std::optional<QDate>& chosen() const { return chosen_; }

public slots:
    void btnImportaDataClick();
    void btnAnnullaClick();

private:
    QCalendarWidget* calAppuntamenti_;
    QPushButton* btnImportaData_;
    QPushButton* btnAnnulla_;
    QLabel* lblMemory_;
    std::optional<QDate> chosen_;
};
