#include "ui/Form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>

#include "ui/KeyFilters.h"
#include "ui/Modal.h"

TForm::TForm(QWidget* owner) : QDialog(owner) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    KeyFilters::pressButtonsOnEnter();  // one rule for every window
}

int TForm::showModal() { return Modal::exec(this); }

void TForm::done(int result) {
    if (!closing_) {
        closing_ = true;
        FormClose();
        closing_ = false;
    }
    QDialog::done(result);
}

void TForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm::centreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TForm::setFixedBorder(int w, int h) {
    setFixedSize(w, h);
    // Only a title and a close box: no minimise or maximise box on any desktop.
    setWindowFlags((windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

TAppWindow::TAppWindow(QWidget* owner) : TForm(owner) {
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

void TAppWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    TForm::keyPressEvent(event);
}

void TAppWindow::showApp() { showMaximized(); }

void TAppWindow::FormClose() {
    if (QWidget* l = AppShell::launcher()) l->show();
}

namespace {
QPointer<QWidget> g_launcher;
AppShell::Quitter& quitter() {
    static AppShell::Quitter q;
    return q;
}
}  // namespace

namespace AppShell {
void setLauncher(QWidget* l) { g_launcher = l; }
QWidget* launcher() { return g_launcher; }

void quit() {
    if (quitter())
        quitter()();
    else
        QCoreApplication::quit();
}
void setQuitter(Quitter q) { quitter() = std::move(q); }
void resetQuitter() { quitter() = nullptr; }
}  // namespace AppShell

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }
