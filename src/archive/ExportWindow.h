#pragma once
// The export window every archive and summary is exported from: a read-only
// grid of the rows, numbered from 1, and an Excel button that writes them to
// a spreadsheet file of the program folder and offers to open it. A window
// states its caption, file and sheet names, its column table, help title and
// which cards of which archive it shows; the table makes each record's cells
// for both the grid and the file.
#include <QStringList>
#include <functional>
#include <vector>

#include "archive/ColumnTable.h"
#include "archive/ExportRows.h"
#include "archive/RecordLayout.h"
#include "ui/Form.h"

class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class TGrid;
class TPictureButton;
class TStatusLine;

struct ExportWindowDescription {
    QString caption;
    QString fileName;  // in the program folder, e.g. "Clienti.xls"
    QString sheetName;
    ColumnTable table;  // the grid's columns after "N.", and the sheet's
    QString helpTitle;
    QString infoText = QStringLiteral("Esportazione archivio in Microsoft Excel.");

    // What is exported: every card of the archive, in file order, unless a
    // filter or an order is given.
    QString archive;
    const RecordLayout* layout = nullptr;
    // Made afresh for each filling, so that it may depend on the day or on
    // what the user chose in the window.
    std::function<RecordFilter()> filter;
    // Rows in the order of this key, equal keys in file order; each row keeps
    // its number in reading order.
    std::function<QString(const Record&)> orderKey;
};

class TExportWindow : public TForm {
    Q_OBJECT
public:
    static inline const QString kMsgDomanda = QStringLiteral(
        "L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di schede "
        "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
    static inline const QString kMsgEsportate = QStringLiteral(
        "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
    static inline const QString kMsgErrore = QStringLiteral(
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
        "Accertarsi che il file di Excel non sia gi\u00E0 aperto.");
    static inline const QString kHintEsporta = QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
    static inline const QString kHintGuida = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
    static inline const QString kHintEsci = QStringLiteral("Esci da questo ambiente di lavoro.");
    // The names of the long work, in its progress window.
    static inline const QString kLavoroLettura = QStringLiteral("Lettura delle schede in corso\u2026");
    static inline const QString kLavoroEsportazione = QStringLiteral("Esportazione in corso\u2026");

    explicit TExportWindow(QWidget* owner = nullptr);
    ~TExportWindow() override;

    const ExportWindowDescription& desc() const { return desc_; }
    TGrid* grid() const { return grid_; }
    TStatusLine* statusLine() const { return panInfo_; }

    // The rows as the spreadsheet gets them: the exported cells of each row
    // read, in order.
    std::vector<QStringList> rows() const;

    // Reads the rows again from the archive and shows them in the grid, as
    // long work (a wait cursor, and past half a second its progress with
    // "Annulla"); the cards the filter could not tell (an unreadable date)
    // are counted in a line under the grid.
    // A failure while reading stops the filling and shows the access message;
    // the rows read so far stay in the grid but are never exported, so an
    // unreadable archive cannot replace a good file with a partial one.
    // Cancelled, the filling leaves no rows, as before any was shown.
    // Returns false when the filling stopped early.
    bool refill();

public slots:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    // To call at the end of the window's constructor: caption, columns, status
    // text, and the office's date and decimal formats.
    void FormCreate(const ExportWindowDescription& desc);

    // An empty grid, complete as such: a summary before its choice is made.
    void showNoRows();
    // A panel of the window's own above the grid (a summary's choice).
    void addPanelAbove(QWidget* panel);

    // Fills the grid; a filling the user cancelled closes the window.
    void FormShow() override;

private:
    enum class Filling { Whole, Failed, Cancelled };
    QVBoxLayout* outer_ = nullptr;
    Filling fill();
    TPictureButton* makeButton(const QString& name, const QString& picture, const QString& caption,
                               const QString& accessibleName, const QString& hint);
    void fitColumns();

    ExportWindowDescription desc_;
    bool complete_ = false;  // the rows hold every record of the archive
    // The rows read, as their cards' positions: the grid shows them and the
    // file is written from them.
    ExportRows rows_{desc_};
    TGrid* grid_ = nullptr;
    QLabel* lblEscluse_ = nullptr;  // the cards the filter left out, under the grid
    QWidget* panComandi_ = nullptr;
    QHBoxLayout* buttonBar_ = nullptr;
    TStatusLine* panInfo_ = nullptr;
};
