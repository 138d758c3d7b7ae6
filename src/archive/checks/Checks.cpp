#include "archive/checks/Checks.h"

#include <QPointer>

#include "archive/checks/CheckWindows.h"
#include "platform/Text.h"

namespace {

template <class Window>
void openFor(QWidget* owner, const QString& text) {
    QPointer<Window> w = new Window(owner);
    w->setNumber(Text::trim(text));
    w->showModal();
    delete w.data();  // gone already if the owner went first
}

}  // namespace

namespace Checks {

void openCodiceFiscale(QWidget* owner, const QString& text) {
    if (Text::isDigits(Text::trim(text)))
        openFor<TfrmPartitaIva>(owner, text);
    else
        openFor<TfrmCodFisc>(owner, text);
}

void openPartitaIva(QWidget* owner, const QString& text) { openFor<TfrmPartitaIva>(owner, text); }
void openIban(QWidget* owner, const QString& text) { openFor<TfrmIban>(owner, text); }
void openCarta(QWidget* owner, const QString& text) { openFor<TfrmCarta>(owner, text); }

}  // namespace Checks
