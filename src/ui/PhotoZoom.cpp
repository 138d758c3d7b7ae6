#include "ui/PhotoZoom.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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
QSize area(const QWidget* window) {
    QScreen* screen = nullptr;
    if (window && window->window()->windowHandle()) screen = window->window()->windowHandle()->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QSize s = screen ? screen->size() : QSize(1366, 768);
    return QSize(qMax(1, s.width() - 60), qMax(1, s.height() - 90));
}
void setOpener(Opener o) { opener() = std::move(o); }
}  // namespace PhotoZoom
