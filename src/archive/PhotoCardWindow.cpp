#include "archive/PhotoCardWindow.h"

#include <QVBoxLayout>

#include "archive/Attachments.h"
#include "archive/PhotoStore.h"
#include "ui/PhotoBox.h"

TPhotoCardWindow::TPhotoCardWindow(const CardCatalogue& card, PhotoCardDescription photo, QWidget* owner)
    : TRecordWindow(card, owner), photo_(std::move(photo)) {}

TPhotoButtons* TPhotoCardWindow::addPhotoColumn() {
    auto* box = new TPhotoBox(QStringLiteral("imgFoto"), photo_.store->placeholder(), photo_.photoSize, fieldsArea());
    box->setStyleSheet(QStringLiteral("border: 1px solid #c9d9e6;"));
    box->setAccessibleName(photo_.photoName);
    auto* buttons = new TPhotoButtons(box, fieldsArea());
    sideColumn()->addWidget(box);
    sideColumn()->addWidget(buttons);
    keepPhoto(box, *photo_.store);
    return buttons;
}

void TPhotoCardWindow::createCard() {
    RecordWindowDescription desc;
    auto button = [&](const char* name, const char* hint) {
        desc.buttons.push_back(standardButton(QLatin1String(name), QString::fromUtf8(hint)));
    };
    button("cmdPrimo", "Visualizza la prima scheda in archivio.");
    button("cmdIndietro", "Visualizza la scheda precedente in archivio.");
    button("cmdAvanti", "Visualizza la scheda successiva in archivio.");
    button("cmdUltimo", "Visualizza l'ultima scheda in archivio.");
    button("cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda.");
    button("cmdSalva", "Salva la scheda in archivio.");
    button("cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.");
    button("cmdTrova", "Trova una scheda in archivio.");
    button("cmdStampa", "Stampa la scheda.");
    button("cmdAnteprima", "Visualizza l'anteprima di stampa della scheda.");
    desc.buttons.push_back({QStringLiteral("cmdSlideshow"), QStringLiteral(":/img/btn/slideshow.svg"),
                            QStringLiteral("Slide show"), photo_.slideshowHint, photo_.slideshowName,
                            [this] { cmdSlideshowClick(); }});
    desc.buttons.push_back(standardButton(QStringLiteral("cmdFile"), QStringLiteral("Allega file alla scheda."),
                                          [this] { cmdFileClick(); }));
    desc.buttons.push_back(standardButton(QStringLiteral("cmdGuida"), photo_.guidaHint));
    button("cmdEsci", "Esci da questa schermata di lavoro.");
    desc.focusAwayBeforeSave = true;
    desc.duplicateOpensArchive = false;
    desc.focusOnBackground = true;
    desc.fileName = photo_.fileName;
    desc.helpTitle = photo_.helpTitle;
    FormCreate(desc);
}

void TPhotoCardWindow::cmdFileClick() { Attachments::editOn(*this, photo_.attachKeyword); }
