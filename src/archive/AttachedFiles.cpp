#include "archive/AttachedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/ProgramFolder.h"
#include "ui/Desktop.h"
#include "ui/Form.h"
#include "ui/Messages.h"

namespace {

// Writes the copy beside the target and puts it in place only once complete:
// a failure half-way leaves the earlier file of that name untouched.
bool copyWhole(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(target);
    // Unbuffered: a buffered write the disk refuses would fail only inside
    // commit, which would then still put a truncated file in place.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kChunk);
        if (block.isEmpty() && in.error() != QFileDevice::NoError) break;
        if (out.write(block) != block.size()) break;
    }
    if (in.error() != QFileDevice::NoError || out.error() != QFileDevice::NoError) {
        out.cancelWriting();  // the temporary copy goes with out
        return false;
    }
    return out.commit();
}

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

namespace AttachedFiles {

QString folder() { return ProgramFolder::file(kFolder); }

QString path(const QString& name) { return folder() + QLatin1Char('/') + name; }

std::optional<QString> copyIn(QWidget* parent, const QString& sourcePath) {
    const QString name = QFileInfo(sourcePath).fileName();
    if (name.isEmpty()) return std::nullopt;
    const QString target = path(name);
    if (!QFileInfo(folder()).isDir() && !QDir().mkpath(folder())) {
        Msg::warning(parent, kMsgCopiaFallita);
        return std::nullopt;
    }
    // Already in the folder: copying it onto itself would only risk it.
    if (sameFile(sourcePath, target)) return name;
    if (QFileInfo::exists(target) && Msg::confirm(parent, kMsgSovrascrivi) == MsgAnswer::No) return name;
    bool copied = false;
    {
        WaitCursor wait;
        copied = copyWhole(sourcePath, target);
    }
    if (!copied) {
        Msg::warning(parent, kMsgCopiaFallita);
        return std::nullopt;
    }
    return name;
}

void open(QWidget* parent, const QString& name) {
    Desktop::open(parent, QLatin1Char('"') + QDir::toNativeSeparators(path(name)) + QLatin1Char('"'));
}

}  // namespace AttachedFiles
