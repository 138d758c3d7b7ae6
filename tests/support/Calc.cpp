#include "support/Calc.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <stdexcept>

namespace Calc {

namespace {

QString soffice() { return QStandardPaths::findExecutable(QStringLiteral("soffice")); }

const char* typeName(Cell::Type t) {
    switch (t) {
    case Cell::Type::Empty: return "empty";
    case Cell::Type::Text: return "text";
    case Cell::Type::Number: return "number";
    case Cell::Type::Date: return "date";
    case Cell::Type::Other: return "other";
    }
    return "?";
}

// A cell's paragraphs as Calc shows them: runs of blanks are <text:s/>,
// tabs and line breaks elements of their own.
QString paragraphs(QXmlStreamReader& xml) {
    QString text;
    int depth = 1, paragraphsSeen = 0;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            const QStringView name = xml.name();
            if (name == u"p" && paragraphsSeen++ > 0) text += '\n';
            if (name == u"s") text += QString(qMax(1, xml.attributes().value("text:c").toInt()), ' ');
            if (name == u"tab") text += '\t';
            if (name == u"line-break") text += '\n';
        } else if (xml.isEndElement()) {
            --depth;
        } else if (xml.isCharacters() && depth >= 2) {
            text += xml.text();
        }
    }
    return text;
}

Cell readCell(QXmlStreamReader& xml) {
    const QXmlStreamAttributes a = xml.attributes();
    const QStringView type = a.value("office:value-type");
    Cell c;
    if (type == u"string") {
        c.type = Cell::Type::Text;
    } else if (type == u"float") {
        c.type = Cell::Type::Number;
        c.number = a.value("office:value").toDouble();
    } else if (type == u"date") {
        c.type = Cell::Type::Date;
        c.date = QDate::fromString(a.value("office:date-value").left(10), Qt::ISODate);
    } else if (!type.isEmpty()) {
        c.type = Cell::Type::Other;
    }
    c.shown = paragraphs(xml);
    if (c.type == Cell::Type::Empty && !c.shown.isEmpty()) c.type = Cell::Type::Other;
    return c;
}

Table readTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("Calc left no " + path.toStdString());
    QXmlStreamReader xml(&file);
    Table table;
    int emptyRows = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.qualifiedName() == u"table:table") break;  // the first sheet only
        if (!xml.isStartElement() || xml.qualifiedName() != u"table:table-row") continue;
        const int rowRepeat = qMax(1, xml.attributes().value("table:number-rows-repeated").toInt());
        std::vector<Cell> row;
        int emptyCells = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.qualifiedName() == u"table:table-row") break;
            if (!xml.isStartElement()) continue;
            const int repeat = qMax(1, xml.attributes().value("table:number-columns-repeated").toInt());
            // A cell covered by a merged one is read as empty.
            Cell c;
            if (xml.qualifiedName() == u"table:table-cell")
                c = readCell(xml);
            else
                xml.skipCurrentElement();
            if (c == Cell{}) {
                emptyCells += repeat;  // kept only when something follows
                continue;
            }
            row.insert(row.end(), size_t(emptyCells), Cell{});
            emptyCells = 0;
            row.insert(row.end(), size_t(repeat), c);
        }
        if (row.empty()) {
            emptyRows += rowRepeat;
            continue;
        }
        table.insert(table.end(), size_t(emptyRows), std::vector<Cell>{});
        emptyRows = 0;
        table.insert(table.end(), size_t(rowRepeat), row);
    }
    if (xml.hasError()) throw std::runtime_error("unreadable " + path.toStdString());
    return table;
}

}  // namespace

void PrintTo(const Cell& cell, std::ostream* os) {
    *os << typeName(cell.type) << " \"" << cell.shown.toStdString() << '"';
    if (cell.type == Cell::Type::Number) *os << " = " << cell.number;
    if (cell.type == Cell::Type::Date) *os << " = " << cell.date.toString(Qt::ISODate).toStdString();
}

QString unavailable() {
    return soffice().isEmpty() ? QStringLiteral("soffice is not on PATH (scripts/deps installs libreoffice-calc-nogui)")
                               : QString();
}

std::vector<Table> read(const QStringList& files, const QString& language) {
    // Copies with names of their own, so that two files of the same name
    // are read in one run.
    QTemporaryDir work;
    const QString in = work.filePath("in"), out = work.filePath("out"), profile = work.filePath("profile");
    QDir().mkpath(in);
    QStringList copies;
    for (int i = 0; i < files.size(); ++i) {
        const QFileInfo original(files.at(i));
        copies << QDir(in).filePath(QString::number(i) + '.' + original.suffix());
        if (!QFile::copy(files.at(i), copies.last()))
            throw std::runtime_error("cannot copy " + files.at(i).toStdString());
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", language);
    env.insert("LC_ALL", language);
    env.insert("LANGUAGE", language.section('.', 0, 0));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(soffice(), QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(), "--headless",
                                   "--norestore", "--convert-to", "fods", "--outdir", out} +
                           copies);
    if (!p.waitForFinished(600000)) {
        p.kill();
        p.waitForFinished();
        throw std::runtime_error("soffice did not finish");
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("soffice failed: " + p.readAll().toStdString());
    std::vector<Table> tables;
    for (int i = 0; i < files.size(); ++i)
        tables.push_back(readTable(QDir(out).filePath(QString::number(i) + ".fods")));
    return tables;
}

}  // namespace Calc
