#pragma once
// The program folder: where the executable lies, and with it every archive,
// setting and delivered file, so that the whole office can be copied to a
// removable drive and run from there.
#include <QString>
#include <QStringList>

namespace ProgramFolder {

// From the command line: the folder of argument 0, or DIR after
// "--cartella DIR" (offices that keep the archives apart, and tests). The
// folder of argument 0 is also where the program's own files lie.
void init(const QStringList& arguments);

void set(const QString& folder);

// The folder, ending with the path separator.
QString path();

// path() + name; the name may hold a subfolder ("Archivio_Lavori/x.pro").
QString file(const QString& name);

// name beside the executable (argument 0); empty when it is not known.
QString besideProgram(const QString& name);

// A read-only file delivered with the program (the guide, the alert sound):
// the program folder's own copy, else the one beside the executable, where
// an installation shared by several users keeps it apart from their
// archives. With neither, file(name).
QString delivered(const QString& name);

}  // namespace ProgramFolder
