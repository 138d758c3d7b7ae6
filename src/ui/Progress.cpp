#include "ui/Progress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Clock.h"

namespace {

Progress::Handler& handler() {
    static Progress::Handler h;
    return h;
}

}  // namespace

// The progress window: the work's name, a bar and "Annulla". Closing it
// (close box or Esc) cancels as "Annulla" does.
class TfrmAvanzamento : public QDialog {
public:
    TfrmAvanzamento(QWidget* parent, const QString& title) : QDialog(parent) {
        setObjectName(QStringLiteral("frmAvanzamento"));
        setWindowTitle(QStringLiteral(" Plenaro"));
        setWindowModality(Qt::ApplicationModal);
        setWindowFlags((windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        auto* v = new QVBoxLayout(this);
        auto* label = new QLabel(title, this);
        label->setObjectName(QStringLiteral("lblLavoro"));
        v->addWidget(label);
        bar_ = new QProgressBar(this);
        bar_->setObjectName(QStringLiteral("prbAvanzamento"));
        bar_->setAccessibleName(title);
        v->addWidget(bar_);
        auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
        annulla->setObjectName(QStringLiteral("btnAnnulla"));
        annulla->setAutoDefault(false);
        v->addWidget(annulla, 0, Qt::AlignRight);
        connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
        connect(this, &QDialog::rejected, this, [this] { cancelled_ = true; });
        setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
    }

    void show(qint64 done, qint64 total) {
        if (total > 0) {
            // The bar counts in thousandths: a count past int stays in range.
            bar_->setRange(0, 1000);
            bar_->setValue(int(std::clamp<qint64>(done * 1000 / total, 0, 1000)));
        } else {
            bar_->setRange(0, 0);  // a busy bar
        }
        if (!isVisible()) QDialog::show();
    }

    bool cancelled() const { return cancelled_; }

private:
    QProgressBar* bar_;
    bool cancelled_ = false;
};

namespace Progress {

void setHandler(Handler h) { handler() = std::move(h); }
void resetHandler() { handler() = nullptr; }

}  // namespace Progress

ProgressWork::ProgressWork(QWidget* parent, const QString& title, qint64 total)
    : parent_(parent), title_(title), started_(Clock::steadyMs()) {
    setTotal(total);
}

ProgressWork::~ProgressWork() = default;

void ProgressWork::setTotal(qint64 total) {
    total_ = total;
    // About two hundred looks at the clock over the whole work, and one at
    // least every few thousand cards, so the window opens in time and
    // "Annulla" answers at once.
    stride_ = std::clamp<qint64>(total / 200, 1, 4096);
    next_ = 0;
}

bool ProgressWork::check(qint64 done) {
    next_ = done + stride_;
    if (cancelled_) return false;
    if (!shown_ && Clock::steadyMs() - started_ < Progress::kDelayMs) return true;
    shown_ = true;
    const ProgressRequest request{parent_, title_, done, total_};
    if (handler()) {
        cancelled_ = !handler()(request);
        return !cancelled_;
    }
    if (!window_) {
        window_ = std::make_unique<TfrmAvanzamento>(parent_, title_);
        // The arrow beside the hourglass: the window waits for a click.
        QApplication::changeOverrideCursor(Qt::BusyCursor);
    }
    window_->show(done, total_);
    // The window paints, and "Annulla" is heard; the other windows wait,
    // the progress window being modal.
    QCoreApplication::processEvents();
    cancelled_ = window_->cancelled();
    return !cancelled_;
}
