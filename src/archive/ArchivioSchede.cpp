#include "archive/ArchivioSchede.h"

#include <QDir>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>

#include "archive/LeftOut.h"
#include "platform/FileLock.h"
#include "platform/ProgramFolder.h"
#include "ui/Messages.h"
#include "ui/Progress.h"

TArchivioSchede::~TArchivioSchede() {
    if (file_.isOpen()) {
        FileLock::unlock(file_);
        file_.close();
    }
}

void TArchivioSchede::fail(const char* what) {
    throw ArchiveError(std::string(what) + ": " + path_.toStdString() + " (" + file_.errorString().toStdString() + ")");
}

void TArchivioSchede::open(const QString& fileName, int recordSize) {
    if (file_.isOpen()) close();
    if (recordSize <= 0) throw ArchiveError("record size");
    path_ = QDir::isAbsolutePath(fileName) ? fileName : ProgramFolder::file(fileName);
    recordSize_ = recordSize;
    index_ = 0;
    file_.setFileName(path_);
    // ReadWrite creates a missing file and never truncates an existing one.
    if (!file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) fail("open");
    if (!FileLock::lock(file_, FileLock::defaultTimeoutMs())) {
        file_.close();
        throw ArchiveError("locked by another program: " + path_.toStdString());
    }
}

void TArchivioSchede::mustBeOpen() {
    if (!file_.isOpen()) throw ArchiveError("file not open");
}

qint64 TArchivioSchede::count() {
    mustBeOpen();
    const qint64 size = file_.size();
    if (size < 0) fail("size");
    return size / recordSize_;
}

void TArchivioSchede::seek(qint64 index) {
    mustBeOpen();
    if (index < 0 || index > count()) throw ArchiveError("seek out of range");
    index_ = index;
}

void TArchivioSchede::read(Record& record) {
    mustBeOpen();
    if (record.layout().size() != recordSize_) throw ArchiveError("record size mismatch");
    if (index_ >= count()) throw ArchiveError("read past the end");
    if (!file_.seek(index_ * recordSize_)) fail("seek");
    const qint64 got = file_.read(record.bytes().data(), recordSize_);
    if (got != recordSize_) fail("read");
    ++index_;
}

qint64 TArchivioSchede::readBlock(QByteArray& buffer, qint64 most) {
    mustBeOpen();
    const qint64 n = qMin(most, count() - index_);
    if (n <= 0) return 0;
    buffer.resize(n * recordSize_);
    if (!file_.seek(index_ * recordSize_)) fail("seek");
    if (file_.read(buffer.data(), buffer.size()) != buffer.size()) fail("read");
    index_ += n;
    return n;
}

void TArchivioSchede::readAt(qint64 index, qint64 n, char* bytes) {
    mustBeOpen();
    if (index < 0 || n < 0 || index + n > count()) throw ArchiveError("read past the end");
    const qint64 size = n * recordSize_;
    if (!file_.seek(index * recordSize_)) fail("seek");
    if (file_.read(bytes, size) != size) fail("read");
    index_ = index + n;
}

void TArchivioSchede::write(const Record& record) {
    mustBeOpen();
    if (record.layout().size() != recordSize_) throw ArchiveError("record size mismatch");
    if (index_ > count()) throw ArchiveError("write past the end");
    const qint64 offset = index_ * recordSize_;
    const qint64 sizeBefore = file_.size();
    // The bytes this record covers now (none when appending, a trailing
    // fragment at most): what a short write must put back.
    if (!file_.seek(offset)) fail("seek");
    const QByteArray before = file_.read(recordSize_);
    if (!file_.seek(offset)) fail("seek");
    const qint64 written = file_.write(record.bytes().constData(), recordSize_);
    if (written != recordSize_) {
        const QString error = written < 0 ? file_.errorString() : QStringLiteral("short write, disk full");
        // A full disk can take part of the record: put the old bytes back and
        // cut what the write added, so no card is ever half old, half new.
        const qint64 mixed = qMin(qMax<qint64>(written, 0), qint64(before.size()));
        if (mixed > 0 && file_.seek(offset)) file_.write(before.constData(), mixed);
        if (file_.size() > sizeBefore) file_.resize(sizeBefore);
        throw ArchiveError("write: " + path_.toStdString() + " (" + error.toStdString() + ")");
    }
    ++index_;
}

qint64 TArchivioSchede::position() {
    mustBeOpen();
    return index_;
}

bool TArchivioSchede::eof() { return position() >= count(); }

void TArchivioSchede::close() {
    if (!file_.isOpen()) return;
    FileLock::unlock(file_);
    file_.unsetError();
    file_.close();
    if (file_.error() != QFileDevice::NoError) fail("close");
}

namespace Archive {

bool guard(QWidget* parent, const std::function<void()>& work, AccessBox box) {
    try {
        work();
        return true;
    } catch (const std::exception&) {}
    switch (box) {
    case AccessBox::Error: Msg::error(parent, kMsgAccesso); break;
    case AccessBox::Warning: Msg::warning(parent, kMsgAccesso); break;
    case AccessBox::Plain: Msg::plain(parent, kMsgAccesso); break;
    case AccessBox::Silent: break;
    }
    return false;
}

namespace {

// Reads an archive's blocks one ahead on a thread of its own, so that the
// reading and the visiting of a large archive go on side by side. The
// blocks take turns: the one the caller is done with is filled next.
class ReadAhead {
public:
    ReadAhead(TArchivioSchede& archive, qint64 perBlock)
        : archive_(archive), perBlock_(perBlock), thread_([this] { run(); }) {}

    ~ReadAhead() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    // The next block into block, and its count of records: 0 at the end.
    // Throws what reading it threw.
    qint64 next(QByteArray& block) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return full_; });
        if (error_) std::rethrow_exception(error_);
        block.swap(ahead_);
        full_ = false;
        const qint64 n = count_;
        lock.unlock();
        changed_.notify_all();
        return n;
    }

private:
    void run() {
        QByteArray buffer;
        for (;;) {
            qint64 n = 0;
            std::exception_ptr error;
            try {
                n = archive_.readBlock(buffer, perBlock_);
            } catch (...) {
                error = std::current_exception();
            }
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return !full_ || stop_; });
            if (stop_) return;
            ahead_.swap(buffer);
            count_ = n;
            error_ = error;
            full_ = true;
            lock.unlock();
            changed_.notify_all();
            if (n == 0 || error) return;
        }
    }

    TArchivioSchede& archive_;
    const qint64 perBlock_;
    std::mutex mutex_;
    std::condition_variable changed_;
    QByteArray ahead_;
    qint64 count_ = 0;
    std::exception_ptr error_;
    bool full_ = false;  // ahead_ holds the next block (or the error)
    bool stop_ = false;
    std::thread thread_;  // last: it starts once the rest is ready
};

// Every card of an open archive from its first, to visit(record, position).
// Read in blocks under the one lock: a system call per block, not per card,
// is what keeps a scan of a large archive close to the disk's speed. Past a
// few blocks, the next block is read while the visitor goes through the one
// before. A template, so that the scans call their visitor directly.
template <class Visit>
bool walk(TArchivioSchede& archive, const RecordLayout& layout, const Visit& visit, ProgressWork* progress) {
    constexpr qint64 kBlockBytes = 1 << 20;
    const qint64 size = layout.size();
    const qint64 perBlock = qMax<qint64>(1, kBlockBytes / size);
    archive.seek(0);
    const qint64 total = archive.count();
    if (progress) progress->setTotal(total);
    Record record(layout);
    QByteArray block;
    qint64 position = 0;
    auto visitBlock = [&](qint64 n) {
        for (qint64 i = 0; i < n; ++i) {
            if (progress && !progress->step(position)) return false;
            record.view(block.constData() + i * size);
            visit(record, ++position);
        }
        return true;
    };
    if (total <= 4 * perBlock) {
        while (const qint64 n = archive.readBlock(block, perBlock))
            if (!visitBlock(n)) return false;
        return true;
    }
    ReadAhead reader(archive, perBlock);
    while (const qint64 n = reader.next(block))
        if (!visitBlock(n)) return false;
    return true;
}

template <class Visit>
bool walk(const QString& fileName, const RecordLayout& layout, const Visit& visit, ProgressWork* progress) {
    TArchivioSchede archive;
    archive.open(fileName, layout);
    const bool whole = walk(archive, layout, visit, progress);
    archive.close();
    return whole;
}

}  // namespace

bool forEach(TArchivioSchede& archive, const RecordLayout& layout,
             const std::function<void(const Record&, qint64)>& visit, ProgressWork* progress) {
    return walk(archive, layout, visit, progress);
}

void forEach(TArchivioSchede& archive, const RecordLayout& layout,
             const std::function<void(const Record&, qint64)>& visit) {
    forEach(archive, layout, visit, nullptr);
}

bool forEach(const QString& fileName, const RecordLayout& layout,
             const std::function<void(const Record&, qint64)>& visit, ProgressWork* progress) {
    return walk(fileName, layout, visit, progress);
}

void forEach(const QString& fileName, const RecordLayout& layout,
             const std::function<void(const Record&, qint64)>& visit) {
    forEach(fileName, layout, visit, nullptr);
}

bool scan(const QString& fileName, const RecordLayout& layout, LeftOut& leftOut, const CardVisitor& visit,
          ProgressWork* progress) {
    return walk(
        fileName, layout, [&](const Record& card, qint64 position) { leftOut.tally(visit(card, position), position); },
        progress);
}

bool scan(const QString& fileName, const RecordLayout& layout, const RecordFilter& filter, LeftOut& leftOut,
          const std::function<void(const Record&, qint64)>& take, ProgressWork* progress) {
    return walk(
        fileName, layout,
        [&](const Record& card, qint64 position) {
            if (leftOut.takes(filter, card, position)) take(card, position);
        },
        progress);
}

Record readAt(const QString& fileName, const RecordLayout& layout, qint64 position) {
    TArchivioSchede archive;
    archive.open(fileName, layout);
    if (position < 1 || position > archive.count()) throw ArchiveError("no record at this position");
    Record record(layout);
    archive.seek(position - 1);
    archive.read(record);
    archive.close();
    return record;
}

qint64 saveAt(const QString& fileName, const RecordLayout& layout, const Record& record, qint64 position) {
    return saveAt(fileName, layout, record, position, {});
}

qint64 saveAt(const QString& fileName, const RecordLayout& layout, const Record& record, qint64 position,
              const WriteCheck& mayWrite) {
    TArchivioSchede archive;
    archive.open(fileName, layout);
    if (mayWrite && !mayWrite(archive)) {
        archive.close();
        return 0;
    }
    archive.seek(position > 0 ? position - 1 : archive.count());
    archive.write(record);
    const qint64 at = archive.position();
    archive.close();
    return at;
}

}  // namespace Archive
