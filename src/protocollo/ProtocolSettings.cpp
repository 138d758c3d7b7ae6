#include "protocollo/ProtocolSettings.h"

#include <cmath>

#include "platform/Formats.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "protocollo/ProtocolFields.h"

namespace {

const QString kSi = QStringLiteral("S\u00EC");

QString read(const QString& section, const QString& key) {
    return Text::trim(IniFile::readString(ProtocolSettings::path(), section, key));
}

}  // namespace

namespace ProtocolSettings {

QString path() { return ProgramFolder::file(kFile); }

Numbering numbering() {
    Numbering n;
    n.start = read(kSezNumerazione, kInizio);
    n.withYear = read(kSezNumerazione, kAnnoSolare) == kSi;
    return n;
}

void setNumbering(const Numbering& n) {
    IniFile::writeString(path(), kSezNumerazione, kInizio, Text::trim(n.start));
    IniFile::writeString(path(), kSezNumerazione, kAnnoSolare, n.withYear ? kSi : QStringLiteral("No"));
}

Office office() {
    const ProtocolFields& f = ProtocolFields::get();
    return {read(kSezDocumenti, f.Ufficio.name()), read(kSezDocumenti, f.Operatore.name())};
}

void setOffice(const Office& o) {
    const ProtocolFields& f = ProtocolFields::get();
    IniFile::writeString(path(), kSezDocumenti, f.Ufficio.name(), Text::trim(o.office));
    IniFile::writeString(path(), kSezDocumenti, f.Operatore.name(), Text::trim(o.operatorName));
}

std::optional<qint64> startNumber(const QString& start) {
    const QString s = Text::trim(start);
    if (s.isEmpty()) return 1;
    // Up to 15 digits: a start beyond that is no office's numbering.
    if (!Text::isDigits(s.startsWith(QLatin1Char('-')) ? s.mid(1) : s) || s.size() > 16) return std::nullopt;
    return s.toLongLong();
}

QString proposal(qint64 start, qint64 count, bool withYear, const QDate& today) {
    QString number = QString::number(start + count);
    if (withYear) number += QLatin1Char('/') + Formats::year(today.year());
    return number;
}

QString normalisedStart(const QString& typed) {
    const QString s = Text::trim(typed);
    const QString one = QStringLiteral("1");
    if (s.isEmpty() || s.startsWith(QLatin1Char(',')) || s.endsWith(QLatin1Char(','))) return one;
    double value = 0;
    if (!Formats::parseDecimal(s, &value) || !std::isfinite(value) || std::fabs(value) > 1e15) return one;
    return QString::number(qint64(std::trunc(value + 0.5)));
}

}  // namespace ProtocolSettings
