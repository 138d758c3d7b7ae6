#pragma once
// The export window every archive and summary is exported from: a read-only
// grid of the rows, numbered from 1, and an Excel button that writes them to
// a spreadsheet file of the program folder and offers to open it. A window
// states its caption, file and sheet names, grid and spreadsheet columns and
// help title, and makes its rows in fillRows().
#include <QStringList>
#include <functional>
#include <vector>

#include "archive/SpreadsheetExport.h"
#include "ui/Form.h"

class QHBoxLayout;
class QLabel;
class QTableWidget;
class TPictureButton;
class TStatusLine;

struct ExportGridColumn {
    QString header;
    QString name;   // optional: the column's name, kept as its header's data
    int width = 0;  // pixels; 0 fits the header text
};

struct ExportWindowDescription {
    QString caption;
    QString fileName;   // in the program folder, e.g. "Clienti.xls"
    QString sheetName;
    std::vector<ExportGridColumn> grid;  // the columns after "N."
    std::vector<ExportColumn> columns;   // written, in grid order after "N."
    QString helpTitle;
    QString infoText = QStringLiteral("Esportazione archivio in Microsoft Excel.");
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
    static inline const QString kHintGuida =
        QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
    static inline const QString kHintEsci = QStringLiteral("Esci da questo ambiente di lavoro.");

    explicit TExportWindow(QWidget* owner = nullptr);

    const ExportWindowDescription& desc() const { return desc_; }
    QTableWidget* grid() const { return grid_; }
    QLabel* statusLine() const;

    // The grid's rows as written: every column after the number.
    std::vector<QStringList> rows() const;

    // Empties the grid and fills it from fillRows(), under a wait cursor.
    // A failure while reading stops the filling silently; the rows read so
    // far stay. Returns false when the filling stopped early.
    bool refill();

public slots:
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    // To call at the end of the window's constructor: caption, columns, status
    // text, and the office's date and decimal formats.
    void FormCreate(const ExportWindowDescription& desc);

    // Reads the window's archive and hands over each row's cells (the
    // columns after "N.", in grid order). May throw: what was added stays.
    using RowSink = std::function<void(const QStringList& cells)>;
    virtual void fillRows(const RowSink& add) = 0;

    void FormShow() override;

private:
    TPictureButton* makeButton(const QString& name, const QString& picture, const QString& caption,
                               const QString& accessibleName, const QString& hint);
    void setRows(const std::vector<QStringList>& rows);
    void fitColumns();

    ExportWindowDescription desc_;
    QTableWidget* grid_ = nullptr;
    QWidget* panComandi_ = nullptr;
    QHBoxLayout* buttonBar_ = nullptr;
    TStatusLine* panInfo_ = nullptr;
};
