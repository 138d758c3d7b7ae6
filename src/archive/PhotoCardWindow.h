#pragma once
// A card window with a photo beside its fields: the photo box and its row
// of buttons at the top of the side column (a window adds its own buttons
// to the row), the photo kept per card in the window's store, and the
// button panel and settings these cards share: fields normalised before
// saving, Duplicate without opening the archive, the focus marked on the
// field's background. The window words its own slide show and help.
#include <QSize>
#include <QString>

#include "archive/RecordWindow.h"

class PhotoStore;
class TPhotoBox;
class TPhotoButtons;

struct PhotoCardDescription {
    const PhotoStore* store = nullptr;
    QSize photoSize;
    QString photoName;  // what a screen reader says of the photo box
    QString fileName;   // the archive, in the program folder
    QString helpTitle;
    QString attachKeyword;  // the attachments window's keyword
    QString slideshowHint;
    QString slideshowName;  // what a screen reader says of the slide show button
    QString guidaHint;
};

class TPhotoCardWindow : public TRecordWindow {
    Q_OBJECT
public:
    TPhotoBox* imgFoto() const { return photoBox(); }

public slots:
    void cmdFileClick();
    virtual void cmdSlideshowClick() = 0;

protected:
    TPhotoCardWindow(const CardCatalogue& card, PhotoCardDescription photo, QWidget* owner);

    // The photo box ("imgFoto", framed) with its buttons below it, at the
    // top of the side column; the row of buttons, for the window's own.
    TPhotoButtons* addPhotoColumn();
    // Once the sections and the side column are built: the button panel,
    // and the first card.
    void createCard();

private:
    PhotoCardDescription photo_;
};
