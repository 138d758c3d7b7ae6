#pragma once
// The slide show of the employees' photos, full screen, card after card.
#include "archive/Slideshow.h"

class TfrmSlideshow_Dipendenti : public TSlideshow {
    Q_OBJECT
public:
    explicit TfrmSlideshow_Dipendenti(QWidget* owner = nullptr);
};
