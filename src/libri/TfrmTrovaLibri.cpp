#include "libri/TfrmTrovaLibri.h"

#include "libri/BookFields.h"

FindWindowDescription TfrmTrovaLibri::description() {
    const BookFields& f = BookFields::get();
    FindWindowDescription d;
    d.caption = QStringLiteral(" Trova libri in archivio");
    d.layout = &f.layout();
    d.fileName = BookFields::kArchive;
    d.fields = {f.Titolo, f.Autore, f.Genere, f.Anno, f.Editore, f.Dewey, f.ISBN, f.Etichetta, f.Curatore, f.Note};
    d.line = {
        {"", f.Titolo, 55}, {"  Autore: ", f.Autore, 30}, {"  Editore: ", f.Editore, 30}, {"  Anno: ", f.Anno, -1}};
    d.printTitle = QStringLiteral("Riepilogo libri in archivio");
    d.mode = QStringLiteral("libri");
    return d;
}

TfrmTrovaLibri::TfrmTrovaLibri(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaLibri"));
}
