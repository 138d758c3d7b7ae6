#include "libri/DeweyTable.h"

#include <QFile>
#include <algorithm>

namespace DeweyTable {

const QStringList& lines() {
    static const QStringList table = [] {
        QFile f(QStringLiteral(":/dewey/dewey.txt"));
        if (!f.open(QIODevice::ReadOnly)) qFatal("the Dewey table is not compiled into the program");
        // Plain ASCII, one line each, ended by LF.
        return QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }();
    return table;
}

const QString& longest() {
    static const QString line = *std::max_element(
        lines().begin(), lines().end(), [](const QString& a, const QString& b) { return a.size() < b.size(); });
    return line;
}

QString classOf(const QString& line) { return line.left(3); }

}  // namespace DeweyTable
