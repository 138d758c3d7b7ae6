#pragma once
// Long work shows its progress. A scan, a filling or an export shows the
// wait cursor; once it has run for half a second it also opens a small
// window with the work's name, a bar and "Annulla", kept up to date while
// the work goes on. "Annulla" asks the work to stop: the work then leaves
// every file as it was. Tests put a script in place of the window and move
// the work's time with the steady clock of platform/Clock.h.
#include <QString>
#include <functional>
#include <memory>

#include "ui/Form.h"

class QWidget;
class TfrmAvanzamento;

// What the window shows at one step of the work.
struct ProgressRequest {
    QWidget* parent = nullptr;  // the window whose work it is
    QString title;              // the work's name: "Esportazione in corso…"
    qint64 done = 0;
    qint64 total = 0;  // 0 when unknown
};

namespace Progress {

// How long work runs before its window opens.
constexpr qint64 kDelayMs = 500;

// Tests: the handler stands in for the window. It is called at each step of
// the work once the window would be open, and answers false to press
// "Annulla".
using Handler = std::function<bool(const ProgressRequest& request)>;
void setHandler(Handler handler);
void resetHandler();

}  // namespace Progress

// One piece of long work, for as long as the object lives.
class ProgressWork {
public:
    ProgressWork(QWidget* parent, const QString& title, qint64 total = 0);
    ~ProgressWork();
    ProgressWork(const ProgressWork&) = delete;
    ProgressWork& operator=(const ProgressWork&) = delete;

    void setTotal(qint64 total);

    // The work has reached done of its total. False once the user has
    // pressed "Annulla": the work is to stop. Cheap enough to call for
    // every card: the clock is read only every so often.
    bool step(qint64 done) { return done < next_ ? !cancelled_ : check(done); }
    bool cancelled() const { return cancelled_; }

private:
    bool check(qint64 done);

    WaitCursor wait_;
    QWidget* parent_;
    QString title_;
    qint64 total_ = 0;
    qint64 stride_ = 1;
    qint64 next_ = 0;
    qint64 started_ = 0;
    bool shown_ = false;
    bool cancelled_ = false;
    std::unique_ptr<TfrmAvanzamento> window_;
};
