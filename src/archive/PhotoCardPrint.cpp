#include "archive/PhotoCardPrint.h"

#include <QPointer>

#include "archive/PhotoStore.h"
#include "archive/RecordWindow.h"
#include "report/PictureCard.h"
#include "ui/PhotoBox.h"

namespace {

const QString kSuggerimento = QStringLiteral("\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");

TCardPrintWindow::Texts texts(TCardPrintWindow::Output output, const QString& objectName, const QString& caption,
                              const QString& prompt) {
    if (output == TCardPrintWindow::Output::Print)
        return {objectName,
                caption,
                QStringLiteral("Stampa"),
                QStringLiteral(":/img/btn/stampa.svg"),
                prompt,
                QStringLiteral("Attenzione: la stampa della scheda non \u00E8 andata a buon fine.") + kSuggerimento};
    return {objectName,
            caption,
            QStringLiteral("Mostra anteprima"),
            QStringLiteral(":/img/btn/anteprima.svg"),
            prompt,
            QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non \u00E8 andata a buon fine.") +
                kSuggerimento};
}

TCardPrintWindow::Builder builder(const TPhotoCardPrintWindow::Card& card) {
    if (!card.window) return {};
    // The picture is taken now, as the window opens; the values when the
    // button is pressed. A card window gone meanwhile prints nothing.
    return [window = QPointer<TRecordWindow>(card.window),
            picture = TPhotoCardPrintWindow::pictureOf(card.box, *card.store, card.boxSize),
            layout = card.layout]() -> std::unique_ptr<TReport> {
        if (!window) return nullptr;
        return layout(*window, picture);
    };
}

}  // namespace

TPhotoCardPrintWindow::TPhotoCardPrintWindow(Output output, const QString& objectName, const QString& caption,
                                             const QString& prompt, const Card& card)
    : TCardPrintWindow(card.window, texts(output, objectName, caption, prompt), output, builder(card)) {}

QImage TPhotoCardPrintWindow::pictureOf(const TPhotoBox* box, const PhotoStore& store, QSize boxSize) {
    QImage picture = box ? box->picture() : QImage();
    if (picture.isNull()) {
        const TPhotoBox fallback(QStringLiteral("imgTemp"), store.placeholder(), boxSize);
        picture = fallback.picture();
    }
    return picture;
}

namespace PhotoCard {

std::unique_ptr<TReport> build(const TRecordWindow& window, const QImage& picture, const Sheet& sheet) {
    auto memo = [](const CardField& f) { return QStringLiteral("txt") + f.name(); };
    std::vector<PictureCardRow> boxes;
    boxes.reserve(sheet.rows.size());
    for (const std::vector<CardField>& row : sheet.rows) {
        PictureCardRow line;
        for (const CardField& f : row) line.push_back({f.printCaption(), memo(f), window.fieldText(f)});
        boxes.push_back(std::move(line));
    }
    PictureCardLook look;
    look.titleMemo = memo(sheet.title);
    look.pictureHeight = sheet.pictureHeight;
    auto rep = PictureCard::build(look, window.fieldText(sheet.title), picture, boxes);
    rep->setDocumentInfo(sheet.documentTitle, rep->documentSubject());
    return rep;
}

}  // namespace PhotoCard
