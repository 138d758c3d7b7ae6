#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "platform/Cp1252.h"
#include "platform/Text.h"

namespace {

QStringList readLines(const QString& path, bool* exists) {
    QFile f(path);
    *exists = f.exists();
    if (!*exists) return {};
    if (!f.open(QIODevice::ReadOnly)) throw IniError("cannot read " + path.toStdString());
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) throw IniError("cannot read " + path.toStdString());
    // A file saved by an editor may start with a UTF-8 byte-order mark and
    // end its lines with CR alone: still the same settings.
    static const QByteArray kUtf8Bom("\xEF\xBB\xBF");
    QString text =
        bytes.startsWith(kUtf8Bom) ? QString::fromUtf8(bytes.mid(kUtf8Bom.size())) : Cp1252::toUnicode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool isSectionLine(const QString& line, QString* name) {
    const QString t = Text::trim(line);
    if (!t.startsWith(QLatin1Char('['))) return false;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0) return false;
    *name = Text::trim(t.mid(1, close - 1));
    return true;
}

bool keyOf(const QString& line, QString* key, QString* value) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) return false;
    const QString t = Text::trim(line);
    if (t.startsWith(QLatin1Char(';'))) return false;
    *key = Text::trim(line.left(eq));
    if (value) *value = line.mid(eq + 1);
    return true;
}

bool sameName(const QString& a, const QString& b) { return Text::lowerAZ(a) == Text::lowerAZ(b); }

}  // namespace

namespace IniFile {

QString readString(const QString& path, const QString& section, const QString& key) {
    bool exists = false;
    const QStringList lines = readLines(path, &exists);
    bool inSection = false;
    for (const QString& line : lines) {
        QString name;
        if (isSectionLine(line, &name)) {
            inSection = sameName(name, section);
            continue;
        }
        QString k, v;
        if (inSection && keyOf(line, &k, &v) && sameName(k, key)) {
            v = Text::trim(v);
            if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
                v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return {};
}

void writeString(const QString& path, const QString& section, const QString& key, const QString& value) {
    bool exists = false;
    QStringList lines = readLines(path, &exists);
    if (exists && !QFileInfo(path).isWritable()) throw IniError("read-only " + path.toStdString());

    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionAt = -1, lastOfSection = -1;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        QString name;
        if (isSectionLine(lines[i], &name)) {
            if (sectionAt >= 0) break;  // the section ended without the key
            if (sameName(name, section)) sectionAt = lastOfSection = i;
            continue;
        }
        if (sectionAt < 0) continue;
        QString k;
        if (keyOf(lines[i], &k, nullptr) && sameName(k, key)) {
            lines[i] = entry;
            done = true;
        } else if (!Text::trim(lines[i]).isEmpty()) {
            lastOfSection = i;
        }
    }
    if (!done) {
        if (sectionAt >= 0) {
            lines.insert(lastOfSection + 1, entry);
        } else {
            if (!lines.isEmpty() && !Text::trim(lines.last()).isEmpty()) lines.append(QString());
            lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
            lines.append(entry);
        }
    }

    QByteArray bytes;
    for (const QString& l : lines) {
        bytes += Cp1252::fromUnicode(l);
        bytes += "\r\n";
    }
    // Unbuffered, so that a write the disk refuses fails here: a buffered
    // one failing only at commit would still replace the file with an empty one.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size() || !out.commit())
        throw IniError("cannot write " + path.toStdString());
}

}  // namespace IniFile
