#pragma once
// The base of every window of the program. Windows are created once and
// shown and hidden; the secondary ones are created for one use and shown
// modally. FormShow runs each time the window is shown by the program,
// FormClose each time it closes (button, close box or Esc alike).
#include <QDialog>
#include <functional>

class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget* owner = nullptr);

    // Shows the window modally through the seam of ui/Modal.h.
    int showModal();

    void done(int result) override;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;

    // Centre on the screen, as the small fixed windows open.
    void centreOnScreen();
    // Fixed size, no resizing grip, no minimise or maximise box.
    void setFixedBorder(int width, int height);

private:
    bool closing_ = false;
};

// The main window of an app: closing it shows the launcher again.
class TAppWindow : public TForm {
    Q_OBJECT
public:
    explicit TAppWindow(QWidget* owner = nullptr);

    // Shows the window maximised (opened from its tile).
    void showApp();

protected:
    void FormClose() override;
    // Esc does not close an app window: a card being typed would be lost.
    void keyPressEvent(QKeyEvent* event) override;
};

namespace AppShell {
// The launcher the app windows return to; set once at start-up.
void setLauncher(QWidget* launcher);
QWidget* launcher();

// Ends the program at once: nothing is saved or asked. Closing the launcher
// or the password window asks for it; tests record the request instead.
void quit();
using Quitter = std::function<void()>;
void setQuitter(Quitter quitter);
void resetQuitter();
}  // namespace AppShell

// A wait cursor for as long as the object lives.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
