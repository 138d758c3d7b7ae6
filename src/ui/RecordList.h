#pragma once
// The lists of fixed-width lines (find results, summaries, services, the
// agenda): "Courier New" 12, black, 1600 pixels per line with scroll bars,
// so long lines scroll sideways. And the quick find over such a list.
#include <QListWidget>
#include <QObject>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;

class TRecordList : public QListWidget {
    Q_OBJECT
public:
    explicit TRecordList(QWidget* parent = nullptr, const QString& objectName = QStringLiteral("lstRecords"));

    void addLine(const QString& line);
    QStringList lines() const;
    // The text of the selected entry, or a null text when none is selected.
    QString selectedLine() const;
};

// "Trova" over a list: a new text starts at the first entry, the same text
// again moves on to the next match and wraps; an empty text never matches.
class TQuickFind : public QObject {
    Q_OBJECT
public:
    static inline const QString kMsgVuota =
        QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

    // Enter in the text moves the focus to the button; the button finds.
    TQuickFind(TRecordList* list, QLineEdit* text, QAbstractButton* button);

    // Forgets the previous text and empties the field (a window's FormShow).
    void reset();

public slots:
    void find();

private:
    TRecordList* list_;
    QLineEdit* text_;
    QString last_;
};

// A list with its quick find, as the find results and the summaries show
// it: the instruction, the list, the count (when asked for), then the text
// to find with "Trova" (btnTrova), "Stampa" (btnStampa) and "Chiudi" (btnChiudi).
class TListPanel : public QWidget {
    Q_OBJECT
public:
    TListPanel(const QString& objectName, const QString& instruction, bool withCount, QWidget* parent);

    TRecordList* list() const { return list_; }
    QLineEdit* findText() const { return txtTrova_; }
    TQuickFind* quickFind() const { return quickFind_; }
    QPushButton* printButton() const { return btnStampa_; }
    QPushButton* closeButton() const { return btnChiudi_; }
    QLabel* countLabel() const { return lblTrovate_; }  // null without a count

private:
    TRecordList* list_;
    QLineEdit* txtTrova_;
    TQuickFind* quickFind_;
    QPushButton* btnStampa_;
    QPushButton* btnChiudi_;
    QLabel* lblTrovate_ = nullptr;
};
