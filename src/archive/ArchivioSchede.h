#pragma once
// A record file: fixed-size records back to back, no header. A handler opens
// it, does its work and closes it before returning; nothing stays open
// between user actions. While open, the file is locked against the other
// copies of the program that may share the folder.
#include <QFile>
#include <QString>
#include <functional>
#include <stdexcept>

#include "archive/RecordLayout.h"

class LeftOut;
class ProgressWork;
class QWidget;

class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TArchivioSchede {
public:
    TArchivioSchede() = default;
    ~TArchivioSchede();  // closes the file if a handler left early
    TArchivioSchede(const TArchivioSchede&) = delete;
    TArchivioSchede& operator=(const TArchivioSchede&) = delete;

    // Opens program folder + fileName (or fileName itself when it is a full
    // path) for reading and writing, creating it
    // empty when it does not exist; an existing file that cannot be opened
    // is never replaced. Current index 0.
    void open(const QString& fileName, int recordSize);
    void open(const QString& fileName, const RecordLayout& layout) { open(fileName, layout.size()); }

    // Counts and indexes are 64-bit: a file past 2^31 records stays addressable.
    qint64 count();             // whole records; a trailing partial record is ignored
    void seek(qint64 index);    // 0 to count
    void read(Record& record);  // at the current index, then one on
    // Up to most whole records from the current index in one read, moving
    // on past them; returns how many were read (0 at the end).
    qint64 readBlock(QByteArray& buffer, qint64 most);
    // The count whole records from index on, into bytes (count record
    // sizes); the current index moves past them. Throws when the file holds
    // fewer.
    void readAt(qint64 index, qint64 count, char* bytes);
    // At the current index (count appends), then one on. A failed write leaves
    // the file byte for byte as it was, so it only ever holds whole records.
    void write(const Record& record);
    qint64 position();
    bool eof();
    void close();

    bool isOpen() const { return file_.isOpen(); }
    const QString& path() const { return path_; }

private:
    void mustBeOpen();
    [[noreturn]] void fail(const char* what);

    QFile file_;
    QString path_;
    int recordSize_ = 0;
    qint64 index_ = 0;
};

namespace Archive {

// The one message of every failed record-file handler.
inline const QString kMsgAccesso = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

enum class AccessBox { Error, Warning, Plain, Silent };

// Runs a handler's file work inside its catch-all: any failure ends the work
// and shows the access message in the given box. Returns false on failure.
bool guard(QWidget* parent, const std::function<void()>& work, AccessBox box = AccessBox::Error);

// Reading all records: every record in file order, index 0 first.
void forEach(const QString& fileName, const RecordLayout& layout,
             const std::function<void(const Record& record, qint64 position)>& visit);
// The same on an archive already open (and locked), from its first record;
// the archive is left open, its current index at the end.
void forEach(TArchivioSchede& archive, const RecordLayout& layout,
             const std::function<void(const Record& record, qint64 position)>& visit);
// Reading all records as long work: the progress steps card by card over
// the file's count, and the reading stops when the user cancels. Returns
// false when it stopped so.
bool forEach(const QString& fileName, const RecordLayout& layout,
             const std::function<void(const Record& record, qint64 position)>& visit, ProgressWork* progress);
bool forEach(TArchivioSchede& archive, const RecordLayout& layout,
             const std::function<void(const Record& record, qint64 position)>& visit, ProgressWork* progress);

// What a scan makes of one card at its position (from 1): takes it, leaves
// it, or cannot tell because a value its choice rests on cannot be read.
using CardVisitor = std::function<Pick(const Record& card, qint64 position)>;
// The one scan behind every list, summary and export of an archive: each
// card in file order goes to visit, and the cards visit cannot tell are
// counted in leftOut. It reads as forEach does (ahead, and given progress as
// long work the user may cancel: false then). Throws on a file error; what
// was visited and counted before stays.
bool scan(const QString& fileName, const RecordLayout& layout, LeftOut& leftOut, const CardVisitor& visit,
          ProgressWork* progress = nullptr);
// The same for the cards a filter takes (every card when it is empty), each
// handed to take.
bool scan(const QString& fileName, const RecordLayout& layout, const RecordFilter& filter, LeftOut& leftOut,
          const std::function<void(const Record& card, qint64 position)>& take, ProgressWork* progress = nullptr);

// The record at a position (from 1), read fresh: one seek and one read.
// Throws when the file cannot be read or holds no record there.
Record readAt(const QString& fileName, const RecordLayout& layout, qint64 position);

// Saving a card: overwrites the record at position (from 1), or appends it
// when position is 0. Returns the record's position in the file. Throws on
// a file error.
qint64 saveAt(const QString& fileName, const RecordLayout& layout, const Record& record, qint64 position);

// Runs before a write with the archive open and locked; false stops the write.
using WriteCheck = std::function<bool(TArchivioSchede& archive)>;
// Saving as above, with a check and the write under one lock, so that no
// other copy of the program can write between them. Returns 0 when the
// check stopped the write.
qint64 saveAt(const QString& fileName, const RecordLayout& layout, const Record& record, qint64 position,
              const WriteCheck& mayWrite);

}  // namespace Archive
