#pragma once
// The record window every app keeps its archive in: one card at a time in
// its controls, picture buttons to browse, start a new card, save and
// duplicate, a position label and a status line with the buttons' hints.
// An app describes its window (record layout, archive file, which control
// holds which field, required fields, Enter chain, hints) and adds its own
// rules through the hooks below.
#include <QMap>
#include <functional>
#include <QStringList>
#include <vector>

#include <memory>

#include "archive/RecordLayout.h"
#include "archive/RecordNavigator.h"
#include "ui/Form.h"

class QGridLayout;
class QLabel;
class QVBoxLayout;
class QLineEdit;
class TPictureButton;
class TStatusLine;
class TFieldEditor;
class TRecordWindow;
class TArchivioSchede;

struct RequiredField {
    QString control;  // objectName of the control tested and focused
    QString warning;  // the warning shown when its trimmed text is empty

    // "Attenzione: per salvare la scheda è necessario indicare " + what: the
    // warning of most required fields.
    static QString needs(const char* what) {
        return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") + QString::fromUtf8(what);
    }
};

// A picture button of the panel: its name, picture, caption, hint, the name
// a screen reader says, and what a click does.
struct WindowButton {
    QString name;
    QString picture;
    QString caption;
    QString hint;
    QString accessibleName;
    std::function<void()> handler;
};

struct RecordWindowDescription {
    const RecordLayout* layout = nullptr;
    QString fileName;  // the archive, in the program folder

    // Field name → control objectName, where the control is not named by
    // the usual prefix ("txt", "chk", "lbl") + field name.
    QMap<QString, QString> controlOf;
    QStringList noMaxLength;  // controls without a maximum length

    // The picture buttons of the panel, in order (see TRecordWindow::standardButton).
    std::vector<WindowButton> buttons;

    QString firstField;                  // focused on a new card
    QStringList enterChain;              // Enter moves along these, back to the first
    std::vector<RequiredField> required;  // tested in this order before the archive is opened

    QString helpTitle;
    QString infoText = QStringLiteral("Pronto per archiviare una nuova scheda...");  // the status line at first
    QString appendMessage = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
    QString overwriteMessage =
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

    // Windows whose fields normalise their text when left move the focus to a
    // hidden button before saving, so the field being typed is normalised.
    bool focusAwayBeforeSave = false;
    // Duplicate opens and closes the archive, so that an inaccessible archive
    // is reported at once.
    bool duplicateOpensArchive = true;
    // Fields cleared by Duplicate (by default the attached files and descriptions).
    QStringList duplicateClears = {"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"};
};

class TRecordWindow : public TAppWindow {
    Q_OBJECT
public:
    static inline const QString kMsgVuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");
    static inline const QString kMsgDuplicaNuova = QStringLiteral(
        "Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che questa \u00E8 stata "
        "inserita in archivio.");
    static inline const QString kMsgDuplicata = QStringLiteral(
        "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
        "Al termine premere Salva per inserire la scheda in archivio.");

    explicit TRecordWindow(QWidget* owner = nullptr);

    const RecordWindowDescription& desc() const { return desc_; }
    QWidget* control(const QString& objectName) const;
    // The control bound to a field of the record layout.
    QWidget* fieldControl(const QString& field) const;
    // A field's text as the card shows it, trimmed.
    QString fieldText(const QString& field) const;
    // Puts a value into a field, as a record read from the file does.
    void setFieldText(const QString& field, const QString& text);

    // The position of the card shown; 0 for a new card.
    qint64 position() const { return nav_ ? nav_->position() : 0; }
    bool isNewCard() const { return position() == 0; }
    // Moves the window onto another archive of the same layout (the protocol
    // keeps one per year); the card shown becomes a new one.
    void setArchiveFile(const QString& fileName);
    QLabel* statusLine() const;

    // Fills the controls from a record / a record from the controls.
    void loadRecord(const Record& record);
    // A record brought from a list or a find window: its fields and position.
    void showRecord(const Record& record, qint64 position);
    void fillRecord(Record& record) const;

    // The standard picture buttons by name ("cmdPrimo" … "cmdEsci", "cmdPDF",
    // "cmdFile"), with their picture, caption, hint and handler; a hint or a
    // handler given here replaces the standard one.
    WindowButton standardButton(const QString& name, const QString& hint = {},
                                std::function<void()> handler = {});

public slots:
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdDuplicaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    // Opened from the buttons; the app supplies them.
    virtual void cmdTrovaClick() {}
    virtual void cmdStampaClick() {}
    virtual void cmdAnteprimaClick() {}
    virtual void cmdEsportaClick() {}

protected:
    // The layout of a window: fieldsArea() for the app's sections, the
    // button panel on the right, position and status line below.
    QVBoxLayout* fieldsLayout() const { return fieldsLayout_; }
    QWidget* fieldsArea() const { return fieldsArea_; }

    void setHint(const QString& control, const QString& hint);

    // Pieces of the fields area: a section with its picture heading whose
    // grid has columns of equal stretch, an edit field named "txt" + field,
    // the hidden labels that carry state, and the e-mail to a field's address.
    QGridLayout* addSection(const QString& name, const QString& picture, const QString& title, int columns);
    // A text field named "txt" + field, with its typing rules (FieldKinds::TextRule).
    QLineEdit* addEdit(const QString& field, unsigned rules = 0);
    // Hidden fields named "lbl" + field.
    void addHiddenFields(const QStringList& fields);
    void openMail(const QString& field);

    // To call at the end of the app's constructor, once every control
    // exists: the buttons, the binding of fields to their editors, maximum
    // lengths, focus marks, Enter chain, hints, formats.
    void FormCreate(const RecordWindowDescription& desc);

    // A new card: every field empty, no position, focus on the first field.
    // Apps that fill default values extend it.
    virtual void newCard();
    // Further save tests after the required fields; false stops the save.
    virtual bool validate() { return true; }
    // A test that must see the archive as the write finds it: it runs with
    // the archive open and locked, just before the write, so that no other
    // copy of the program sharing the folder can write in between. False
    // stops the save, and writeStopped() then tells the user once the
    // archive is closed again (no message box while the lock is held).
    virtual bool checkBeforeWrite(TArchivioSchede&, const Record&) { return true; }
    virtual void writeStopped() {}
    // Fields the record takes from elsewhere than its control (computed).
    virtual void completeRecord(Record&) const {}
    // After Duplicate cleared its labels and before the archive check:
    // apps clear further fields here.
    virtual void afterDuplicate() {}
    // Where Duplicate leaves the focus.
    virtual QWidget* duplicateFocus() const;

    void FormShow() override;

private:
    using Browse = RecordNavigator::Step (RecordNavigator::*)(Record&);
    void browse(Browse step);
    void showPosition();
    void addButton(const WindowButton& button);
    void bindFields();

    RecordWindowDescription desc_;
    std::unique_ptr<RecordNavigator> nav_;
    std::vector<TFieldEditor*> bound_;  // one per field of the layout, or null
    QWidget* fieldsArea_ = nullptr;
    QVBoxLayout* fieldsLayout_ = nullptr;
    QWidget* buttonPanel_ = nullptr;
    QGridLayout* buttonGrid_ = nullptr;
    int buttonCount_ = 0;
    QLabel* lblPosizione_ = nullptr;
    TStatusLine* panInfo_ = nullptr;
    QWidget* btnFocus_ = nullptr;
};
