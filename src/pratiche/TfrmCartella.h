#pragma once
// The folder of a stored case, "Pratica_" + its position in the program
// folder: created with any missing parent at the first "Apri cartella",
// reused afterwards, and shown in the desktop's file manager. The case
// record holds nothing of it: the position in its name ties the two.
#include "ui/Form.h"

class QLabel;

class TfrmCartella : public TForm {
    Q_OBJECT
public:
    static inline const QString kMsgNonCreata = QStringLiteral(
        "Attenzione: il sistema non permette di creare la cartella abbinata alla pratica.\n\r\n\r"
        "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
    // When a file of the folder's name is in the way, that is what the user must move.
    static QString msgFileInMezzo(const QString& name) {
        return QStringLiteral(
                   "Attenzione: il sistema non permette di creare la cartella abbinata alla pratica.\n\r\n\r"
                   "Nella cartella di installazione del programma un file di nome \"%1\" occupa il "
                   "posto della cartella: rinominarlo o spostarlo altrove.")
            .arg(name);
    }

    explicit TfrmCartella(QWidget* owner = nullptr);

    // Created for one use on the case at that position, shown modally and freed.
    static void open(QWidget* owner, qint64 casePosition);

    void setCase(qint64 casePosition);
    // The case's folder in the program folder.
    QString folder() const;

public slots:
    void btnApriCartellaClick();
    void btnChiudiClick();

private:
    qint64 position_ = 0;
    QLabel* lblMemory_;
};
