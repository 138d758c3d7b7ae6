#include "ui/RecordList.h"

#include <QAbstractButton>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"

TRecordList::TRecordList(QWidget* parent, const QString& objectName) : QListWidget(parent) {
    setObjectName(objectName);
    QFont f(QStringLiteral("Courier New"), 12);
    f.setStyleHint(QFont::Monospace);
    setFont(f);
    setStyleSheet(QStringLiteral("QListWidget { color: black; }"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void TRecordList::addLine(const QString& line) {
    auto* item = new QListWidgetItem(line, this);
    item->setSizeHint(QSize(1600, fontMetrics().height() + 2));
}

QStringList TRecordList::lines() const {
    QStringList out;
    for (int i = 0; i < count(); ++i) out << item(i)->text();
    return out;
}

QString TRecordList::selectedLine() const {
    const int r = currentRow();
    if (r < 0 || !item(r)->isSelected()) return QString();
    return item(r)->text();
}

TQuickFind::TQuickFind(TRecordList* list, QLineEdit* text, QAbstractButton* button)
    : QObject(list), list_(list), text_(text) {
    KeyFilters::enterTo(text, button);
    connect(button, &QAbstractButton::clicked, this, &TQuickFind::find);
}

void TQuickFind::reset() {
    last_.clear();
    text_->clear();
}

void TQuickFind::find() {
    const int n = list_->count();
    if (n == 0) {
        Msg::plain(list_->window(), kMsgVuota);
        return;
    }
    if (list_->currentRow() < 0 || !list_->currentItem()->isSelected()) list_->setCurrentRow(0);

    const QString t = Text::lowerAZ(text_->text());
    auto matches = [&](int i) { return !t.isEmpty() && Text::lowerAZ(list_->item(i)->text()).contains(t); };
    int found = -1;
    int start = list_->currentRow();
    if (t != last_) {
        start = 0;
        if (matches(0)) found = 0;
    }
    for (int step = 1; found < 0 && step <= n; ++step) {
        const int i = (start + step) % n;  // the starting entry comes back last
        if (matches(i)) found = i;
    }
    if (found >= 0) list_->setCurrentRow(found);
    last_ = t;
}

TListPanel::TListPanel(const QString& objectName, const QString& instruction, bool withCount, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(instruction, this);
    text->setObjectName(QStringLiteral("lblIstruzioni"));
    v->addWidget(text);
    list_ = new TRecordList(this);
    v->addWidget(list_, 1);
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
