#pragma once
// The program folder: where the executable lies, and with it every archive,
// setting and delivered file, so that the whole office can be copied to a
// removable drive and run from there.
#include <QString>
#include <QStringList>

namespace ProgramFolder {

// From the command line: the folder of argument 0, or DIR after
// "--cartella DIR" (offices that keep the archives apart, and tests).
void init(const QStringList& arguments);

void set(const QString& folder);

// The folder, ending with the path separator.
QString path();

// path() + name; the name may hold a subfolder ("Archivio_Lavori/x.pro").
QString file(const QString& name);

}  // namespace ProgramFolder
