#include "ui/RecordList.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <tuple>

#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"

char* ListLines::room(qsizetype most) {
    if (blocks_.empty() || blocks_.back().used + most > blocks_.back().size) {
        const qsizetype size = std::max(kBlock, most);
        blocks_.push_back({std::unique_ptr<char[]>(new char[size_t(size)]), size, 0});
    }
    Block& b = blocks_.back();
    return b.data.get() + b.used;
}

void ListLines::commit(qsizetype used, qint64 position) {
    Block& b = blocks_.back();
    starts_.push_back(b.data.get() + b.used);
    lengths_.push_back(quint32(used));
    positions_.push_back(position);
    b.used += used;
}

void ListLines::add(const QString& text, qint64 position) {
    const QByteArray utf8 = text.toUtf8();
    std::memcpy(room(utf8.size()), utf8.constData(), size_t(utf8.size()));
    commit(utf8.size(), position);
}

TLineModel::TLineModel(QObject* parent) : QAbstractListModel(parent) {}

namespace {

// The line without its leading and trailing codes 32 and below.
QByteArrayView trimmed(QByteArrayView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && quint8(s[b]) <= ' ') ++b;
    while (e > b && quint8(s[e - 1]) <= ' ') --e;
    return s.sliced(b, e - b);
}

// A byte of UTF-8 as it ranks in the order of the lines' texts, which
// compare as UTF-16: the characters past U+FFFF (four bytes, F0 to F4)
// come before U+E000 to U+FFFF (EE and EF), as their surrogates do.
// Every other byte ranks as itself.
inline quint8 rank(quint8 b) {
    if (b < 0xEE || b > 0xF4) return b;
    return b >= 0xF0 ? quint8(b - 2) : quint8(b + 5);
}

// Sixteen bytes of a line from at, ranked and packed in two numbers that
// compare as the bytes do; a line that ends sooner packs zeros, so it comes
// first, or ties and is told apart by its text.
std::pair<quint64, quint64> packed(QByteArrayView t, qsizetype at) {
    quint64 w[2] = {0, 0};
    for (int k = 0; k < 16; ++k) {
        const quint64 c = at + k < t.size() ? rank(quint8(t[at + k])) : 0;
        w[k / 8] |= c << (8 * (7 - k % 8));
    }
    return {w[0], w[1]};
}

// How many bytes two lines share from the start, knowing that they share
// the first from.
qsizetype shared(QByteArrayView a, QByteArrayView b, qsizetype from) {
    qsizetype i = std::min({from, a.size(), b.size()});
    const qsizetype most = std::min(a.size(), b.size());
    while (i < most && a[i] == b[i]) ++i;
    return i;
}

// The order of two lines' texts, from the bytes they are known to share on.
int compareFrom(QByteArrayView a, QByteArrayView b, qsizetype from) {
    const qsizetype i = shared(a, b, from);
    if (i < a.size() && i < b.size()) return rank(quint8(a[i])) < rank(quint8(b[i])) ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

bool TLineModel::sortByText() {
    // The lines of a large sorted list mostly share their beginning ("ID:
    // 2025…"), and lie scattered over the arena. So the sixteen bytes after
    // what all share are packed in two numbers and the lines sorted by
    // those; the lines tied so far (two appointments at one time, say) are
    // then ordered run by run, each run by the bytes after what its own
    // lines share, while they are at hand. Equal lines keep their order.
    const size_t n = size_t(lines_.size());
    struct Key {
        quint64 first, next;
        quint32 line;
    };
    std::vector<Key> keys(n);
    qsizetype common = n ? lines_.bytes(0).size() : 0;
    for (size_t i = 0; i < n; ++i) common = shared(lines_.bytes(0).first(common), lines_.bytes(qsizetype(i)), 0);
    bool plainEnds = true;  // no line begins or ends with a blank: identical is equal
    for (size_t i = 0; i < n; ++i) {
        const QByteArrayView t = lines_.bytes(qsizetype(i));
        const auto [first, next] = packed(t, common);
        keys[i] = {first, next, quint32(i)};
        if (!t.isEmpty() && (quint8(t.front()) <= ' ' || quint8(t.back()) <= ' ')) plainEnds = false;
    }
    auto byKey = [](const Key& a, const Key& b) {
        if (a.first != b.first) return a.first < b.first;
        if (a.next != b.next) return a.next < b.next;
        return a.line < b.line;
    };
    std::sort(keys.begin(), keys.end(), byKey);
    constexpr size_t kAhead = 8;
    for (size_t i = 0; i < n;) {
        for (size_t k = i + kAhead; k < std::min(n, i + 2 * kAhead); ++k)
            __builtin_prefetch(lines_.bytes(keys[k].line).data());
        size_t j = i + 1;
        while (j < n && keys[j].first == keys[i].first && keys[j].next == keys[i].next) ++j;
        if (j - i > 1) {
            const auto run = keys.begin() + qsizetype(i), end = keys.begin() + qsizetype(j);
            const QByteArrayView head = lines_.bytes(run->line);
            qsizetype own = head.size();
            for (auto k = run + 1; k != end; ++k) own = std::min(own, shared(head, lines_.bytes(k->line), common + 16));
            for (auto k = run; k != end; ++k) std::tie(k->first, k->next) = packed(lines_.bytes(k->line), own);
            std::sort(run, end, [&](const Key& a, const Key& b) {
                if (a.first != b.first || a.next != b.next) return byKey(a, b);
                const int c = compareFrom(lines_.bytes(a.line), lines_.bytes(b.line), own);
                return c != 0 ? c < 0 : a.line < b.line;
            });
            // Identical lines lie side by side now: they open the last of their records.
            for (auto k = run; plainEnds && k != end;) {
                auto same = k + 1;
                const QByteArrayView text = lines_.bytes(k->line);
                qint64 last = lines_.position(k->line);
                while (same != end && lines_.bytes(same->line) == text)
                    last = std::max(last, lines_.position((same++)->line));
                for (; k != same; ++k)
                    if (lines_.position(k->line) != last) opens_.insert(k->line, last);
            }
        }
        i = j;
    }
    order_.resize(n);
    for (size_t i = 0; i < n; ++i) order_[i] = keys[i].line;
    return plainEnds;
}

void TLineModel::setLines(ListLines lines, bool sorted) {
    beginResetModel();
    lines_ = std::move(lines);
    order_.clear();
    opens_.clear();
    // Sorting finds identical lines on its way, unless some line begins or
    // ends with blanks, which identical lines may differ by; otherwise they
    // are looked for when a line is opened.
    identicalFound_ = sorted && sortByText();
    if (!identicalFound_) opens_.clear();
    endResetModel();
}

void TLineModel::setLines(std::vector<RecordLine> lines, bool sorted) {
    ListLines arena;
    for (const RecordLine& l : lines) arena.add(l.text, l.position);
    setLines(std::move(arena), sorted);
}

void TLineModel::clear() {
    beginResetModel();
    lines_.clear();
    order_.clear();
    opens_.clear();
    identicalFound_ = false;
    endResetModel();
}

qint64 TLineModel::opensPosition(int row) const {
    const qsizetype line = lineAt(row);
    if (identicalFound_) return opens_.value(quint32(line), lines_.position(line));
    // One pass over the lines, only for the line opened: a few milliseconds
    // at a million lines, where finding every identical line up front would
    // cost every search far more.
    const QByteArrayView text = trimmed(lines_.bytes(line));
    qint64 last = lines_.position(line);
    for (qsizetype i = 0; i < lines_.size(); ++i)
        if (lines_.position(i) > last && trimmed(lines_.bytes(i)) == text) last = lines_.position(i);
    return last;
}

int TLineModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(lines_.size()); }

QVariant TLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(lines_.size())) return {};
    switch (role) {
    case Qt::DisplayRole: return line(index.row());
    case Qt::SizeHintRole: return lineSize_;
    default: return {};
    }
}

QStringList TLineModel::lines() const {
    QStringList out;
    out.reserve(lines_.size());
    for (int row = 0; row < int(lines_.size()); ++row) out << line(row);
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

int TRecordList::fitLines(int characters, int room) {
    QFont f = font();
    int width = 0;
    for (int points = 12; points >= 9; --points) {
        f.setPointSize(points);
        width = QFontMetrics(f).horizontalAdvance(QString(characters, QLatin1Char('0')));
        if (width <= room) break;
    }
    setFont(f);
    model_->setLineSize(QSize(qMax(width + 8, 200), QFontMetrics(f).height() + 2));
    return width;
}

void fitListWindow(QWidget* window, TRecordList* list, int characters, int height) {
    const QRect area = window->screen()->availableGeometry();
    // The window's frame, margins, the list's border and its scroll bar.
    const int chrome = 72;
    const int most = area.width() - 24;
    const int line = list->fitLines(characters, most - chrome);
    window->resize(qMax(window->width(), qMin(most, line + chrome)), qMin(area.height() - 48, height));
}

void TRecordList::setLines(ListLines lines) { model_->setLines(std::move(lines), sorted_); }
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

TListPanel::TListPanel(const QString& objectName, const QString& listName, const QString& instruction, bool withCount,
                       QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(instruction, this);
    text->setObjectName(QStringLiteral("lblIstruzioni"));
    if (instruction.isEmpty()) text->hide();
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
    aboveFind_ = new QVBoxLayout;
    v->addLayout(aboveFind_);
    auto* bottom = findRow_ = new QHBoxLayout;
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
