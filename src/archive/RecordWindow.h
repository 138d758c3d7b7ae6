#pragma once
// The record window every app keeps its archive in: one card at a time in
// its controls, picture buttons to browse, start a new card, save and
// duplicate, a position label and a status line with the buttons' hints.
// An app describes its window by a table of fields — each row makes its
// control through the field kinds and takes its place in the Enter chain,
// the tab order and the required fields, in the order the rows are added —
// and by plain rules over the card's values; it adds its own behaviour
// through the hooks below.
#include <QSize>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "archive/CardCatalogue.h"
#include "archive/CardRules.h"
#include "archive/RecordLayout.h"
#include "archive/RecordNavigator.h"
#include "archive/TfrmTrovaClienti.h"
#include "ui/Form.h"

class QGridLayout;
class QLabel;
class QLayout;
class QVBoxLayout;
class PhotoStore;
class TPhotoBox;
class TPictureButton;
class TStatusLine;
class TFieldEditor;
class TArchivioSchede;

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

enum class IdentityCheck { CodiceFiscale, PartitaIva, Iban, Carta };

struct RecordWindowDescription {
    const RecordLayout* layout = nullptr;  // the catalogue's, set by FormCreate
    QString fileName;                      // the archive, in the program folder

    // The picture buttons of the panel, in order (see TRecordWindow::standardButton).
    std::vector<WindowButton> buttons;

    CardField firstField;  // the field focused on a new card; the first row by default
    // Tested in order after the required fields, before the archive is opened.
    std::vector<CardRule> rules;

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
    // Fields cleared by Duplicate (by default the card's attached files and
    // their descriptions).
    std::optional<std::vector<CardField>> duplicateClears;
    // Where Duplicate leaves the focus; the first field by default.
    CardField duplicateFocus;
    // The focus mark of the typed fields: the yellow rectangle around them,
    // or their own background (FocusMark::onBackground).
    bool focusOnBackground = false;
};

class TRecordWindow : public TAppWindow {
    Q_OBJECT
public:
    // The window of a card whose fields its catalogue describes.
    explicit TRecordWindow(const CardCatalogue& card, QWidget* owner = nullptr);
    ~TRecordWindow() override;

    const RecordWindowDescription& desc() const { return desc_; }
    // The card's catalogue.
    const CardCatalogue& card() const { return *card_; }
    // The control of a field of the table, or null.
    QWidget* fieldControl(const CardField& field) const;
    // A field's text as the card shows it, trimmed.
    QString fieldText(const CardField& field) const;
    // Puts a value into a field, as a record read from the file does.
    void setFieldText(const CardField& field, const QString& text);
    // Every field's trimmed text, as the save rules see them.
    CardValues values() const;

    // The position of the card shown; 0 for a new card.
    qint64 position() const { return nav_ ? nav_->position() : 0; }
    bool isNewCard() const { return position() == 0; }
    // Moves the window onto another archive of the same layout (the protocol
    // keeps one per year); the card shown becomes a new one.
    void setArchiveFile(const QString& fileName);
    const QString& archiveFile() const { return desc_.fileName; }
    TStatusLine* statusLine() const { return panInfo_; }

    // Fills the controls from a record / a record from the controls.
    void loadRecord(const Record& record);
    // A record brought from a list or a find window: its fields and position.
    void showRecord(const Record& record, qint64 position);
    void showRecord(const std::optional<FoundRecord>& found);
    void fillRecord(Record& record) const;

    // The standard picture buttons by name ("cmdPrimo" … "cmdEsci", "cmdPDF",
    // "cmdFile"), with their picture, caption, hint, screen-reader name and
    // handler; a hint or a handler given here replaces the standard one.
    WindowButton standardButton(const QString& name, const QString& hint = {}, std::function<void()> handler = {});
    // The standard buttons named, in order, with their standard hints.
    void addStandardButtons(RecordWindowDescription& desc, std::initializer_list<const char*> names);

public slots:
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    // A new card asked for by the user; apps that do more than FormShow
    // does (propose a number, stamp today's date) extend it.
    virtual void cmdNuovoClick();
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

    // A section with its picture heading whose grid has columns of equal stretch.
    QGridLayout* addSection(const QString& name, const QString& picture, const QString& title, int columns);

    // A field of the card's catalogue: makes its control through its kind,
    // binds it to its field and registers it. Returns the control.
    QWidget* addField(const CardField& field);
    // A field whose control the window made itself, with its own field
    // editor (a group of option buttons).
    QWidget* addField(const CardField& field, QWidget* control);
    // The field's control with its caption above it.
    QVBoxLayout* labeledField(const CardField& field);
    // The field's control with its caption in a cell of a section's grid; a
    // flag stands at the cell's bottom left without a caption.
    QWidget* placeField(QGridLayout* grid, int row, int column, int span, const CardField& field);
    // The hidden fields of the three attached files and their descriptions.
    void addAttachmentFields();
    // A column at the right of the sections (a card's photo and its buttons).
    QVBoxLayout* sideColumn() const { return sideLayout_; }
    // A card with a photo kept in the store under its position: each card
    // shown brings its photo into the box (the placeholder when it has none),
    // a new or duplicated card shows the placeholder, and each save stores
    // what the box shows; a photo that cannot be stored is told, the card
    // stays saved.
    void keepPhoto(TPhotoBox* box, const PhotoStore& store);
    TPhotoBox* photoBox() const { return photoBox_; }

    // Small buttons beside a field, which Tab reaches right after it.
    // The e-mail button ("btnEmail") writes to the field's address.
    // recipient completes its spoken name: "al cliente", "al dipendente".
    TPictureButton* emailButton(const CardField& field, const QString& recipient);
    // The identity check of a field ("btnCodFisc" after the tax code, …),
    // with its picture, hint and screen-reader name.
    TPictureButton* checkButton(IdentityCheck check, const CardField& field);
    // The today button after a date field: writes today's date into it, or
    // does what the window asks instead (a date kept in three fields).
    TPictureButton* todayButton(const QString& name, const CardField& field, std::function<void()> handler = {});
    // A button of the window's own, after the given field in the tab order.
    TPictureButton* fieldButton(const QString& name, const QString& picture, const QString& accessibleName,
                                const QString& hint, const CardField& afterField, std::function<void()> handler);

    // Fills fields of the card from a client chosen in the client finder,
    // which shows the asking window's keyword: (client field, card field)
    // pairs, trimmed. True when a client was chosen.
    bool importClient(const QString& keyword, std::initializer_list<std::pair<CardField, CardField>> pairs);

    // True for a card in the archive; on a new card shows the warning and
    // gives false (what needs the card's position: services, history, folder).
    bool needsSavedCard(const QString& warning);

    // To call at the end of the app's constructor, once every field is in
    // the table: the buttons, maximum lengths, focus marks, Enter chain, tab
    // order, hints, formats.
    void FormCreate(const RecordWindowDescription& desc);

    // A new card: every field empty, no position, focus on the first field.
    // Apps that fill default values extend it.
    virtual void newCard();
    // After the focus went to the hidden button and before the checks: the
    // tidying of fields that have no leaving rule of their own.
    virtual void tidyBeforeSave() {}
    // Checks that are no plain rule over the values (they read the archive);
    // false stops the save, having told the user.
    virtual bool validate() { return true; }
    // A test that must see the archive as the write finds it: it runs with
    // the archive open and locked, just before the write, so that no other
    // copy of the program sharing the folder can write in between. False
    // stops the save, and writeStopped() then tells the user once the
    // archive is closed again (no message box while the lock is held).
    virtual bool checkBeforeWrite(TArchivioSchede&, const Record&) { return true; }
    virtual void writeStopped() {}
    // After the checks passed: fields worked out from others (a composed
    // date or time) are set here, so the record and the card agree.
    virtual void deriveFields() {}
    // After Duplicate cleared its fields and before the archive check:
    // apps clear further fields here.
    virtual void afterDuplicate() {}

    // Shows a refusal of a rule and moves the focus to its field.
    void refuse(const Refusal& refusal);

    void FormShow() override;

private:
    struct Bound;
    using Browse = RecordNavigator::Step (RecordNavigator::*)(Record&);
    void browse(Browse step);
    void showPosition();
    void addButton(const WindowButton& button);
    const Bound* boundOf(const CardField& field) const;
    void focusField(const CardField& field);
    std::vector<CardField> duplicateClears() const;
    void placeAfter(TPictureButton* button, const CardField& field, std::function<void()> handler);
    QWidget* makeControl(const FieldRow& row);
    QWidget* bind(const FieldRow& row, QWidget* control);
    QWidget* place(QGridLayout* grid, int row, int column, int span, const FieldRow& field);
    void showPhoto();

    const CardCatalogue* card_ = nullptr;
    RecordWindowDescription desc_;
    std::unique_ptr<RecordNavigator> nav_;
    std::vector<Bound> fields_;       // the table, in the order rows were added
    std::vector<int> byLayoutIndex_;  // layout field index → index in fields_, or -1
    std::vector<QWidget*> tabOrder_;  // fields and their buttons
    QWidget* fieldsArea_ = nullptr;
    QVBoxLayout* fieldsLayout_ = nullptr;
    QVBoxLayout* sideLayout_ = nullptr;
    TPhotoBox* photoBox_ = nullptr;
    const PhotoStore* photoStore_ = nullptr;
    QWidget* buttonPanel_ = nullptr;
    QGridLayout* buttonGrid_ = nullptr;
    int buttonCount_ = 0;
    QLabel* lblPosizione_ = nullptr;
    TStatusLine* panInfo_ = nullptr;
    QWidget* btnFocus_ = nullptr;
};
