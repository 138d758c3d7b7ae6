#pragma once
// The lists of fixed-width record lines (find results, summaries, services,
// the agenda): "Courier New" 12, black, 1600 pixels per line with both
// scroll bars, so long lines scroll sideways. Each line remembers the
// position of its record, so a chosen line is read back from its file at
// once instead of rebuilding the line of every record. And the quick find
// over such a list.
#include <QAbstractListModel>
#include <QByteArrayView>
#include <QHash>
#include <QListView>
#include <QObject>
#include <QSize>
#include <memory>
#include <vector>

class QAbstractButton;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// One line of a list and the position (from 1) of the record it shows.
struct RecordLine {
    QString text;
    qint64 position = 0;
};

// The lines of a list in one arena: each line's text in UTF-8, back to back
// in blocks that never move, with the position of its record. A scan of a
// large archive adds a line per card without an allocation of its own, and
// a line costs about its characters in bytes.
class ListLines {
public:
    ListLines() = default;
    ListLines(ListLines&&) noexcept = default;
    ListLines& operator=(ListLines&&) noexcept = default;

    void add(const QString& text, qint64 position);
    // A line written in place: room for at most most bytes, of which
    // commit() keeps the first used.
    char* room(qsizetype most);
    void commit(qsizetype used, qint64 position);

    qsizetype size() const { return qsizetype(positions_.size()); }
    bool empty() const { return positions_.empty(); }
    QByteArrayView bytes(qsizetype line) const {
        return QByteArrayView(starts_[size_t(line)], qsizetype(lengths_[size_t(line)]));
    }
    QString text(qsizetype line) const { return QString::fromUtf8(bytes(line)); }
    qint64 position(qsizetype line) const { return positions_[size_t(line)]; }
    void clear() { *this = ListLines(); }

private:
    static constexpr qsizetype kBlock = 1 << 20;
    struct Block {
        std::unique_ptr<char[]> data;
        qsizetype size = 0;
        qsizetype used = 0;
    };
    std::vector<Block> blocks_;
    std::vector<const char*> starts_;
    std::vector<quint32> lengths_;
    std::vector<qint64> positions_;
};

// The lines of a list. A line opens the last record in file order whose
// line, trimmed, is the same: identical lines all open that one record.
class TLineModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TLineModel(QObject* parent = nullptr);

    // Replaces the lines, given in file order; sorted shows them in text order.
    void setLines(ListLines lines, bool sorted);
    void setLines(std::vector<RecordLine> lines, bool sorted);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    QString line(int row) const { return lines_.text(lineAt(row)); }
    qint64 position(int row) const { return lines_.position(lineAt(row)); }
    // The record the line opens: the last one among identical lines.
    qint64 opensPosition(int row) const;
    QStringList lines() const;

    void setLineSize(QSize size) { lineSize_ = size; }

private:
    qsizetype lineAt(int row) const { return order_.empty() ? row : order_[size_t(row)]; }
    // Sorts by text; true when it also found the identical lines.
    bool sortByText();

    ListLines lines_;
    std::vector<quint32> order_;  // the line of each row, when sorted
    // Lines that open another record than their own: the last of their
    // identical lines. Few, or none.
    QHash<quint32, qint64> opens_;
    bool identicalFound_ = false;  // opens_ holds them all (a sorted list)
    QSize lineSize_;
};

class TRecordList : public QListView {
    Q_OBJECT
public:
    explicit TRecordList(QWidget* parent = nullptr, const QString& objectName = QStringLiteral("lstRecords"));

    TLineModel* lineModel() const { return model_; }

    // Lists in text order rather than in file order.
    void setSorted(bool sorted) { sorted_ = sorted; }
    // Sizes the list for lines of that many characters: the fixed-pitch font
    // steps down from 12 points (never below 9) until a whole line fits the
    // room given in pixels. Returns the width a whole line then takes.
    int fitLines(int characters, int room);
    void setLines(ListLines lines);
    void setLines(std::vector<RecordLine> lines);
    void clear();

    int count() const;
    QString line(int row) const;
    QStringList lines() const;
    // The record the line opens (the last of identical lines).
    qint64 positionOf(int row) const { return model_->opensPosition(row); }

    int currentRow() const;
    // Makes the row current and selected; -1 leaves no current row.
    void setCurrentRow(int row);
    // The selected row, or -1 when no line is selected.
    int selectedRow() const;
    // The text of the selected line, or a null text when none is selected.
    QString selectedLine() const;

signals:
    // A double click, on a line or on the empty part of the list (row -1),
    // or Enter on the selected line (-1 when none is selected).
    void lineChosen(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TLineModel* model_;
    bool sorted_ = false;
};

// "Trova" over a list: a new text starts at the first entry, the same text
// again moves on to the next match and wraps; an empty text never matches.
class TQuickFind : public QObject {
    Q_OBJECT
public:
    static inline const QString kMsgVuota =
        QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

    // What a new opening of the window does with the previous search: most
    // lists forget it; a list that keeps it lets the same text, sought again,
    // go on after the selected entry.
    enum class Opening { Forgets, Keeps };

    // Enter in the text moves the focus to the button; the button finds.
    TQuickFind(TRecordList* list, QLineEdit* text, QAbstractButton* button, Opening opening = Opening::Forgets);

    // A window's FormShow: forgets the previous text and empties the field,
    // unless the quick find keeps them across openings.
    void reset();
    // A window created for each opening keeps the search in memory, which
    // outlives it (a variable of the window's own unit): the text sought in
    // an earlier opening, sought again, goes on after the selected entry.
    void keepIn(QString* memory);

public slots:
    void find();

private:
    TRecordList* list_;
    QLineEdit* text_;
    Opening opening_;
    QString own_;
    QString* last_ = &own_;  // the previous text, lower case
};

// Opens a list window as wide as its lines of that many characters need, up
// to the screen's width, at least at its own width; the list's font steps
// down first where the screen is narrower than a whole line.
void fitListWindow(QWidget* window, TRecordList* list, int characters, int height);

// A list with its quick find, as the find results and the summaries show
// it: the instruction (none when empty), the list, the count (when asked
// for), then the text to find with "Trova" (btnTrova), "Stampa" (btnStampa)
// and "Chiudi" (btnChiudi). listName says what the list holds, for screen
// readers. A window may put rows of its own between the list and the text
// to find (a total), and buttons of its own after "Chiudi".
class TListPanel : public QWidget {
    Q_OBJECT
public:
    TListPanel(const QString& objectName, const QString& listName, const QString& instruction, bool withCount,
               QWidget* parent);

    TRecordList* list() const { return list_; }
    QLineEdit* findText() const { return txtTrova_; }
    TQuickFind* quickFind() const { return quickFind_; }
    QPushButton* printButton() const { return btnStampa_; }
    QPushButton* closeButton() const { return btnChiudi_; }
    QLabel* countLabel() const { return lblTrovate_; }  // null without a count
    QLabel* noteLine() const { return lblEscluse_; }    // what the list leaves out, under it
    QVBoxLayout* aboveFind() const { return aboveFind_; }
    QHBoxLayout* findRow() const { return findRow_; }

private:
    TRecordList* list_;
    QLineEdit* txtTrova_;
    TQuickFind* quickFind_;
    QPushButton* btnStampa_;
    QPushButton* btnChiudi_;
    QLabel* lblTrovate_ = nullptr;
    QLabel* lblEscluse_ = nullptr;
    QVBoxLayout* aboveFind_;
    QHBoxLayout* findRow_;
};
