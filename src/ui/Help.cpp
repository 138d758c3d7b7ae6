#include "ui/Help.h"

namespace {
Help::Opener& opener() {
    static Help::Opener o;
    return o;
}
}  // namespace

namespace Help {
void open(QWidget* owner, const QString& title) {
    if (opener()) opener()(owner, title);
}
void setOpener(Opener o) { opener() = std::move(o); }
}  // namespace Help
