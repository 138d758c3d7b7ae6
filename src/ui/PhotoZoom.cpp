#include "ui/PhotoZoom.h"

#include <QPixmap>

namespace {
PhotoZoom::Opener& opener() {
    static PhotoZoom::Opener o;
    return o;
}
}  // namespace

namespace PhotoZoom {
void open(QWidget* owner, const QPixmap& picture) {
    if (opener()) opener()(owner, picture);
}
void setOpener(Opener o) { opener() = std::move(o); }
}  // namespace PhotoZoom
