#include "libri/TfrmTrovaLibri.h"

#include "archive/Layouts.h"

FindWindowDescription TfrmTrovaLibri::description() {
    FindWindowDescription d;
    d.caption = QStringLiteral(" Trova libri in archivio");
    d.layout = &Layouts::TSchedaLibro();
    d.fileName = ArchiveFiles::Libri;
    d.fields = {{"txtTitolo", "Titolo libro:", "Titolo"},
                {"txtAutore", "Autore:", "Autore"},
                {"txtGenere", "Genere:", "Genere"},
                {"txtAnno", "Anno pubblicazione:", "Anno"},
                {"txtEditore", "Casa editrice:", "Editore"},
                {"txtDewey", "Codice Dewey:", "Dewey"},
                {"txtISBN", "ISBN:", "ISBN"},
                {"txtEtichetta", "Codice su etichetta:", "Etichetta"},
                {"txtCuratore", "Curatore:", "Curatore"},
                {"txtNote", "Note:", "Note"}};
    d.line = {
        {"", "Titolo", 55}, {"  Autore: ", "Autore", 30}, {"  Editore: ", "Editore", 30}, {"  Anno: ", "Anno", -1}};
    d.printTitle = QStringLiteral("Riepilogo libri in archivio");
    d.mode = QStringLiteral("libri");
    return d;
}

TfrmTrovaLibri::TfrmTrovaLibri(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaLibri"));
}
