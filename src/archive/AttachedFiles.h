#pragma once
// The folder "Documenti_Allegati" of the program folder, where the windows
// that attach files to a card copy them. A card keeps only the bare name of
// its file there; cards that attach files of the same name share one file.
#include <QString>
#include <optional>

class QWidget;

namespace AttachedFiles {

inline const QString kFolder = QStringLiteral("Documenti_Allegati");

inline const QString kMsgSovrascrivi = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");
inline const QString kMsgCopiaFallita = QStringLiteral(
    "Attenzione: non \u00E8 stato possibile copiare il file nella cartella dei documenti allegati.\r\n\r\n"
    "Accertarsi che il file sia leggibile e di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");

// The folder, and the full path of the attached file of that name.
QString folder();
QString path(const QString& name);

// Copies the file into the folder under its own name and returns that bare
// name, the one to keep in the card. When the folder holds a file of that
// name already, the user is asked whether to overwrite it; "No" copies
// nothing and returns the name, which then refers to the file already there.
// A copy that fails is reported to the user and returns nothing; the file
// that was there stays whole. A file picked from the folder itself is kept
// as it is.
std::optional<QString> copyIn(QWidget* parent, const QString& sourcePath);

// Opens the attached file of that name with the desktop's program for it;
// tells the user when none can.
void open(QWidget* parent, const QString& name);

}  // namespace AttachedFiles
