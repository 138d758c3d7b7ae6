#pragma once
// The slide show of the books' covers, full screen, card after card.
#include "archive/Slideshow.h"

class TfrmSlideshow_Libri : public TSlideshow {
    Q_OBJECT
public:
    explicit TfrmSlideshow_Libri(QWidget* owner = nullptr);
};
