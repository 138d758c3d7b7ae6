#pragma once
// The benchmarks' archives: each built once per size in a folder of its own,
// kept for the whole run, its cards written in pieces of a few megabytes.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "archive/RecordLayout.h"

namespace BenchArchive {

// Cards one after another into a new file.
class CardWriter {
public:
    explicit CardWriter(const QString& path) : file_(path) {
        if (!file_.open(QIODevice::WriteOnly)) std::abort();
    }
    ~CardWriter() { file_.write(chunk_); }
    CardWriter(const CardWriter&) = delete;
    CardWriter& operator=(const CardWriter&) = delete;

    void add(const Record& card) {
        chunk_ += card.bytes();
        if (chunk_.size() > (8 << 20)) {
            file_.write(chunk_);
            chunk_.clear();
        }
    }

private:
    QFile file_;
    QByteArray chunk_;
};

// The folder of the archive named, at that size: build writes it there the
// first time it is asked for.
inline QString folderOnce(const QString& archive, int size, const std::function<void(const QDir& folder)>& build) {
    static std::map<std::pair<std::string, int>, std::unique_ptr<QTemporaryDir>> dirs;
    auto& dir = dirs[{archive.toStdString(), size}];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        build(QDir(dir->path()));
    }
    return dir->path();
}

}  // namespace BenchArchive
