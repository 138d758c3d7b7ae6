#pragma once
// The slide show of an archive: full-screen, the photo of every card in file
// order, six seconds each, then again from the first, until the user clicks
// the picture. Cards without a photo show the placeholder. The archive is
// opened at each step only to count its cards.
#include "archive/PhotoStore.h"
#include "ui/Form.h"

class QLabel;
class QPushButton;
class TPhotoBox;
class TTimer;

struct SlideshowDescription {
    QString objectName;
    QString caption;
    QString fileName;  // the archive, in the program folder
    int recordSize = 0;
    PhotoStore store;
};

class TSlideshow : public TForm {
    Q_OBJECT
public:
    static constexpr int kIntervallo = 6000;  // milliseconds each picture stays

    explicit TSlideshow(const SlideshowDescription& desc, QWidget* owner = nullptr);

    // One step: the next card's photo; after the last card's, one more
    // interval on it, then the first again.
    void cmdAvantiClick();
    // A click on the picture or the panel ends the show.
    void imgFotoClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    SlideshowDescription desc_;
    QWidget* panContainer;
    TPhotoBox* imgFoto;
    QLabel* lblPosizione;  // shows shown_
    qint64 shown_ = 0;     // the card whose photo is shown; 0 before the first
    QPushButton* cmdAvanti;
    TTimer* Timer;
};
