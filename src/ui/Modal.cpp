#include "ui/Modal.h"

#include <QDialog>

namespace {
Modal::Handler& handler() {
    static Modal::Handler h;
    return h;
}
}  // namespace

namespace Modal {

int exec(QDialog* window) {
    if (handler()) return handler()(window);
    return window->exec();
}

void setHandler(Handler h) { handler() = std::move(h); }
void resetHandler() { handler() = nullptr; }

}  // namespace Modal
