#pragma once
// The find window of the books: the cards matching every filled criterion,
// one line each in file order (title, author, publisher, year); the line
// double-clicked is loaded, with its cover, into the book window.
#include "archive/FindWindow.h"

class TfrmTrovaLibri : public TFindWindow {
    Q_OBJECT
public:
    // Created for one use by the book window (mode "libri").
    explicit TfrmTrovaLibri(QWidget* owner = nullptr);

    static FindWindowDescription description();
};
