#include "ui/RecordList.h"

#include <QAbstractButton>
#include <QFont>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"

TLineModel::TLineModel(QObject* parent) : QAbstractListModel(parent) {}

namespace {

// The line without its leading and trailing codes 32 and below, as a view.
QStringView trimmedView(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b).unicode() <= ' ') ++b;
    while (e > b && s.at(e - 1).unicode() <= ' ') --e;
    return QStringView(s).mid(b, e - b);
}

// Eight characters of a line from position at, packed in two numbers that
// compare as the characters do; a line that ends sooner packs zeros, so it
// comes first, or ties and is told apart by its text.
std::pair<quint64, quint64> packed(QStringView t, qsizetype at) {
    auto c = [&](qsizetype k) -> quint64 { return at + k < t.size() ? t[at + k].unicode() : 0; };
    return {c(0) << 48 | c(1) << 32 | c(2) << 16 | c(3), c(4) << 48 | c(5) << 32 | c(6) << 16 | c(7)};
}

// How many characters two lines share from the start, knowing that they
// share the first from.
qsizetype shared(QStringView a, QStringView b, qsizetype from) {
    qsizetype i = std::min({from, a.size(), b.size()});
    const qsizetype most = std::min(a.size(), b.size());
    while (i < most && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

bool TLineModel::sortByText(std::vector<Row>& rows) {
    // The lines of a large sorted list mostly share their beginning ("ID:
    // 2025…"), and each is a string of its own, far from the others in
    // memory. So the eight characters after what all share are packed in
    // two numbers and the lines sorted by those; the lines tied so far (two
    // appointments at one time, say) are then ordered run by run, each run
    // by the characters after what its own lines share, while they are at
    // hand. Equal lines keep their order.
    const size_t n = rows.size();
    struct Key {
        quint64 first, next;
        QStringView text;
        size_t row;
    };
    std::vector<Key> keys(n);
    // Each line is asked for from memory a few lines ahead of its turn.
    constexpr size_t kAhead = 8;
    auto ahead = [&](size_t i) {
        if (i + kAhead < n) __builtin_prefetch(rows[i + kAhead].text.constData());
    };
    qsizetype common = n ? rows[0].text.size() : 0;
    for (size_t i = 0; i < n; ++i) {
        ahead(i);
        common = shared(QStringView(rows[0].text).first(common), rows[i].text, 0);
    }
    bool plainEnds = true;  // no line begins or ends with a blank: identical is equal
    for (size_t i = 0; i < n; ++i) {
        ahead(i);
        const QStringView t(rows[i].text);
        const auto [first, next] = packed(t, common);
        keys[i] = {first, next, t, i};
        if (!t.isEmpty() && (t.front().unicode() <= ' ' || t.back().unicode() <= ' ')) plainEnds = false;
    }
    auto byKey = [](const Key& a, const Key& b) {
        if (a.first != b.first) return a.first < b.first;
        if (a.next != b.next) return a.next < b.next;
        return a.row < b.row;
    };
    std::sort(keys.begin(), keys.end(), byKey);
    for (size_t i = 0; i < n;) {
        for (size_t k = i + kAhead; k < std::min(n, i + 2 * kAhead); ++k) __builtin_prefetch(keys[k].text.data());
        size_t j = i + 1;
        while (j < n && keys[j].first == keys[i].first && keys[j].next == keys[i].next) ++j;
        if (j - i > 1) {
            const auto run = keys.begin() + qsizetype(i), end = keys.begin() + qsizetype(j);
            qsizetype own = keys[i].text.size();
            for (auto k = run + 1; k != end; ++k) own = std::min(own, shared(run->text, k->text, common + 8));
            for (auto k = run; k != end; ++k) std::tie(k->first, k->next) = packed(k->text, own);
            std::sort(run, end, [&](const Key& a, const Key& b) {
                if (a.first != b.first || a.next != b.next) return byKey(a, b);
                const int c = a.text.compare(b.text);
                return c != 0 ? c < 0 : a.row < b.row;
            });
            // Identical lines lie side by side now: they open the last of their records.
            for (auto k = run; plainEnds && k != end;) {
                auto same = k + 1;
                qint64 last = rows[k->row].position;
                while (same != end && same->text == k->text) last = std::max(last, rows[(same++)->row].position);
                for (; k != same; ++k) rows[k->row].opens = last;
            }
        }
        i = j;
    }
    std::vector<Row> sorted;
    sorted.reserve(n);
    for (const Key& k : keys) sorted.push_back(std::move(rows[k.row]));
    rows.swap(sorted);
    return plainEnds;
}

void TLineModel::setLines(std::vector<RecordLine> lines, bool sorted) {
    std::vector<Row> rows;
    rows.reserve(lines.size());
    for (RecordLine& l : lines) rows.push_back({std::move(l.text), l.position, l.position});
    // Sorting finds identical lines on its way, unless some line begins or
    // ends with blanks, which identical lines may differ by.
    const bool found = sorted && sortByText(rows);
    if (!found) {
        // Identical lines open the last of their records: one pass keeps,
        // per trimmed line, the highest position. Each distinct line gets a
        // number on its one lookup, so no line is hashed twice. The views
        // point into rows, which no longer move.
        QHash<QStringView, qsizetype> number;  // 1-based; 0 is a new line
        number.reserve(qsizetype(rows.size()));
        std::vector<qint64> last;
        std::vector<qsizetype> of(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            qsizetype& n = number[trimmedView(rows[i].text)];
            if (n == 0) {
                last.push_back(0);
                n = qsizetype(last.size());
            }
            of[i] = n - 1;
            last[size_t(n - 1)] = std::max(last[size_t(n - 1)], rows[i].position);
        }
        for (size_t i = 0; i < rows.size(); ++i) rows[i].opens = last[size_t(of[i])];
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void TLineModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int TLineModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

QVariant TLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) return {};
    switch (role) {
    case Qt::DisplayRole: return rows_[size_t(index.row())].text;
    case Qt::SizeHintRole: return lineSize_;
    default: return {};
    }
}

QStringList TLineModel::lines() const {
    QStringList out;
    out.reserve(qsizetype(rows_.size()));
    for (const Row& r : rows_) out << r.text;
    return out;
}

TRecordList::TRecordList(QWidget* parent, const QString& objectName) : QListView(parent) {
    setObjectName(objectName);
    QFont f(QStringLiteral("Courier New"), 12);
    f.setStyleHint(QFont::Monospace);
    setFont(f);
    setStyleSheet(QStringLiteral("QListView { color: black; }"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One size for every line: the view never measures line by line.
    setUniformItemSizes(true);
    model_ = new TLineModel(this);
    model_->setLineSize(QSize(1600, fontMetrics().height() + 2));
    setModel(model_);
}

void TRecordList::setLines(std::vector<RecordLine> lines) { model_->setLines(std::move(lines), sorted_); }
void TRecordList::clear() { model_->clear(); }
int TRecordList::count() const { return model_->rowCount(); }
QString TRecordList::line(int row) const { return model_->line(row); }
QStringList TRecordList::lines() const { return model_->lines(); }

int TRecordList::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void TRecordList::setCurrentRow(int row) {
    setCurrentIndex(row >= 0 && row < count() ? model_->index(row) : QModelIndex());
}

int TRecordList::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString TRecordList::selectedLine() const {
    const int r = selectedRow();
    return r < 0 ? QString() : line(r);
}

void TRecordList::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit lineChosen(at.isValid() ? at.row() : -1);
}

void TRecordList::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    // Reached with the keyboard, the list shows a line chosen, so that Enter
    // opens the line the user sees rather than nothing. Not with the mouse:
    // the click chooses its own line, and choosing the first would scroll the
    // list away from under the pointer.
    if (event->reason() != Qt::MouseFocusReason && selectedRow() < 0 && count() > 0) {
        const int row = currentRow() >= 0 ? currentRow() : 0;
        setCurrentRow(row);
        selectionModel()->select(model_->index(row), QItemSelectionModel::ClearAndSelect);
    }
}

void TRecordList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Kept here: passed on, it would press the window's default button.
        event->accept();
        emit lineChosen(selectedRow());
        return;
    }
    QListView::keyPressEvent(event);
}

TQuickFind::TQuickFind(TRecordList* list, QLineEdit* text, QAbstractButton* button, Opening opening)
    : QObject(list), list_(list), text_(text), opening_(opening) {
    KeyFilters::enterTo(text, button);
    connect(button, &QAbstractButton::clicked, this, &TQuickFind::find);
}

void TQuickFind::reset() {
    if (opening_ == Opening::Keeps) return;
    last_->clear();
    text_->clear();
}

void TQuickFind::keepIn(QString* memory) {
    opening_ = Opening::Keeps;
    last_ = memory;
}

void TQuickFind::find() {
    const int n = list_->count();
    if (n == 0) {
        Msg::plain(list_->window(), kMsgVuota);
        return;
    }
    if (list_->selectedRow() < 0) list_->setCurrentRow(0);

    const QString t = Text::lowerAZ(text_->text());
    auto matches = [&](int i) { return !t.isEmpty() && Text::lowerAZ(list_->line(i)).contains(t); };
    int found = -1;
    int start = list_->selectedRow();
    if (t != *last_) {
        start = 0;
        if (matches(0)) found = 0;
    }
    for (int step = 1; found < 0 && step <= n; ++step) {
        const int i = (start + step) % n;  // the starting entry comes back last
        if (matches(i)) found = i;
    }
    if (found >= 0) list_->setCurrentRow(found);
    *last_ = t;
}

TListPanel::TListPanel(const QString& objectName, const QString& listName, const QString& instruction,
                       bool withCount, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(instruction, this);
    text->setObjectName(QStringLiteral("lblIstruzioni"));
    v->addWidget(text);
    list_ = new TRecordList(this);
    list_->setAccessibleName(listName);
    text->setBuddy(list_);
    v->addWidget(list_, 1);
    lblEscluse_ = Controls::noteLine(QStringLiteral("lblEscluse"), this);
    v->addWidget(lblEscluse_);
    if (withCount) {
        lblTrovate_ = new QLabel(this);
        lblTrovate_->setObjectName(QStringLiteral("lblTrovate"));
        v->addWidget(lblTrovate_);
    }
    auto* bottom = new QHBoxLayout;
    txtTrova_ = new QLineEdit(this);
    txtTrova_->setObjectName(QStringLiteral("txtTrova"));
    txtTrova_->setAccessibleName(QStringLiteral("Testo da cercare nell'elenco"));
    QPushButton* trova = Controls::pushButton(QStringLiteral("btnTrova"), QStringLiteral("Trova"), this);
    btnStampa_ = Controls::pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    btnChiudi_ = Controls::pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    bottom->addWidget(txtTrova_, 1);
    bottom->addWidget(trova);
    bottom->addSpacing(20);
    bottom->addWidget(btnStampa_);
    bottom->addWidget(btnChiudi_);
    v->addLayout(bottom);
    quickFind_ = new TQuickFind(list_, txtTrova_, trova);
}
