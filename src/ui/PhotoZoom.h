#pragma once
// The full-screen photo: an employee's photo or a book's cover shown as
// large as the screen allows, until the user clicks it.
#include <functional>

class QPixmap;
class QSize;
class QWidget;

namespace PhotoZoom {

// Shows the picture full-screen, modally, over owner.
void open(QWidget* owner, const QPixmap& picture);

// Room for a full-screen picture: the screen of the window (or the primary
// screen) less 60 pixels across and 90 down, for the frame and title.
QSize area(const QWidget* window);

// Set by the application shell (and by tests that record the requests).
using Opener = std::function<void(QWidget* owner, const QPixmap& picture)>;
void setOpener(Opener opener);

}  // namespace PhotoZoom
