#include "archive/ExportRows.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <functional>

#include "archive/ArchivioSchede.h"
#include "archive/ExportWindow.h"
#include "archive/LeftOut.h"
#include "archive/SpreadsheetExport.h"
#include "platform/Hash.h"
#include "platform/ProgramFolder.h"
#include "ui/Progress.h"

namespace {

constexpr int kPageRows = 64;
// The cards of about this many bytes are read and written at a time.
constexpr qint64 kChunkBytes = 1 << 22;
// Cards this close in the file are read in one go, the ones between skipped.
constexpr qint64 kGap = 8;

}  // namespace

ExportRows::ExportRows(const ExportWindowDescription& desc) : desc_(desc) {}

void ExportRows::clear() {
    positions_.clear();
    positions_.shrink_to_fit();
    numbers_.clear();
    numbers_.shrink_to_fit();
    fingerprint_ = 0;
    for (Page& p : pages_) p = Page();
}

quint64 ExportRows::cardPrint(const Record& card, qint64 position) const {
    // Summed over the rows, so the order of reading does not matter; the
    // position makes two cards that swapped places count as changed.
    return desc_.table.cellsPrint(card, Hash::mix(quint64(position)));
}

bool ExportRows::fill(LeftOut& leftOut, ProgressWork* progress) {
    clear();
    const ExportWindowDescription& d = desc_;
    const RecordFilter takes = d.filter ? d.filter() : RecordFilter();
    if (!d.orderKey) {
        return Archive::scan(
            d.archive, *d.layout, takes, leftOut,
            [&](const Record& r, qint64 position) {
                positions_.push_back(position);
                fingerprint_ += cardPrint(r, position);
            },
            progress);
    }
    // Rows in the order of the key, equal keys in file order; each row keeps
    // its number in reading order.
    struct Keyed {
        QString key;
        qint64 position;
        int number;
    };
    std::vector<Keyed> cards;
    auto handOver = [&] {
        std::stable_sort(cards.begin(), cards.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
        positions_.reserve(cards.size());
        numbers_.reserve(cards.size());
        for (const Keyed& k : cards) {
            positions_.push_back(k.position);
            numbers_.push_back(k.number);
        }
    };
    bool whole = false;
    try {
        whole = Archive::scan(
            d.archive, *d.layout, takes, leftOut,
            [&](const Record& r, qint64 position) {
                cards.push_back({d.orderKey(r), position, int(cards.size()) + 1});
                fingerprint_ += cardPrint(r, position);
            },
            progress);
    } catch (...) {
        handOver();
        throw;
    }
    handOver();
    return whole;
}

void ExportRows::readCards(TArchivioSchede& archive, int first, int count, QByteArray& bytes) const {
    const qint64 size = desc_.layout->size();
    bytes.resize(qsizetype(count * size));
    // The rows by the place of their cards in the file; cards close together
    // are read in one go, straight into place when they follow one another.
    std::vector<std::pair<qint64, int>> wanted(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) wanted[size_t(i)] = {positions_[size_t(first + i)], i};
    if (!std::is_sorted(wanted.begin(), wanted.end())) std::sort(wanted.begin(), wanted.end());
    QByteArray run;
    for (size_t a = 0; a < wanted.size();) {
        size_t b = a + 1;
        bool straight = true;  // consecutive cards for consecutive rows
        while (b < wanted.size() && wanted[b].first - wanted[b - 1].first <= kGap &&
               (wanted[b].first - wanted[a].first + 1) * size <= kChunkBytes) {
            straight =
                straight && wanted[b].first == wanted[b - 1].first + 1 && wanted[b].second == wanted[b - 1].second + 1;
            ++b;
        }
        const qint64 from = wanted[a].first, span = wanted[b - 1].first - from + 1;
        if (straight && span == qint64(b - a)) {
            archive.readAt(from - 1, span, bytes.data() + wanted[a].second * size);
        } else {
            run.resize(qsizetype(span * size));
            archive.readAt(from - 1, span, run.data());
            for (size_t k = a; k < b; ++k)
                std::copy_n(run.constData() + (wanted[k].first - from) * size, size,
                            bytes.data() + wanted[k].second * size);
        }
        a = b;
    }
}

QString ExportRows::cell(int row, int column) const {
    const int first = row - row % kPageRows;
    Page* page = nullptr;
    for (Page& p : pages_)
        if (p.first == first) page = &p;
    if (!page) {
        page = &pages_[older_];
        older_ ^= 1;
        page->first = first;
        const int count = std::min(kPageRows, rows() - first);
        page->cells.assign(size_t(count), QStringList());
        try {
            // Only an archive that is there: the grid never creates one.
            const QString path =
                QDir::isAbsolutePath(desc_.archive) ? desc_.archive : ProgramFolder::file(desc_.archive);
            if (!QFile::exists(path)) throw ArchiveError("missing: " + path.toStdString());
            TArchivioSchede archive;
            archive.open(desc_.archive, *desc_.layout);
            QByteArray bytes;
            readCards(archive, first, count, bytes);
            archive.close();
            Record record(*desc_.layout);
            for (int i = 0; i < count; ++i) {
                record.view(bytes.constData() + qsizetype(i) * desc_.layout->size());
                page->cells[size_t(i)] = desc_.table.cells(record);
            }
        } catch (const std::exception&) {
            // The cells stay empty; the file would be refused.
        }
    }
    const QStringList& cells = page->cells[size_t(row - first)];
    return column < cells.size() ? cells.at(column) : QString();
}

bool ExportRows::eachCard(const std::function<bool(const Record& card, int row)>& visit) const {
    if (positions_.empty()) return true;  // nothing to read: the archive stays closed
    TArchivioSchede archive;
    archive.open(desc_.archive, *desc_.layout);
    const int size = desc_.layout->size();
    const int perChunk = int(std::max<qint64>(1, kChunkBytes / size));
    QByteArray bytes;
    Record record(*desc_.layout);
    for (int first = 0; first < rows(); first += perChunk) {
        const int count = std::min(perChunk, rows() - first);
        readCards(archive, first, count, bytes);
        for (int i = 0; i < count; ++i) {
            record.view(bytes.constData() + qsizetype(i) * size);
            if (!visit(record, first + i)) return false;
        }
    }
    archive.close();
    return true;
}

std::vector<QStringList> ExportRows::sheetRows() const {
    std::vector<QStringList> out;
    out.reserve(positions_.size());
    eachCard([&](const Record& card, int) {
        out.push_back(desc_.table.sheetCells(desc_.table.cells(card)));
        return true;
    });
    return out;
}

bool ExportRows::write(SpreadsheetExport::Writer& sheet, ProgressWork* progress) const {
    if (progress) progress->setTotal(rows());
    quint64 print = 0;
    const bool whole = eachCard([&](const Record& card, int row) {
        if (progress && !progress->step(row)) return false;
        print += cardPrint(card, positions_[size_t(row)]);
        sheet.beginRow();
        desc_.table.writeSheetCells(sheet.text(), card);
        sheet.endRow();
        return true;
    });
    if (!whole) return false;
    if (print != fingerprint_)
        throw ArchiveError("the cards changed since the grid was filled: " + desc_.archive.toStdString());
    return true;
}
