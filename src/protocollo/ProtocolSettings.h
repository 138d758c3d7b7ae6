#pragma once
// The register's settings in "Quarzeno.ini": the number the numbering starts
// from, whether the year follows the number, and the office and operator
// last typed. They hold for every year's archive.
#include <QDate>
#include <QString>
#include <optional>

namespace ProtocolSettings {

inline const QString kFile = QStringLiteral("Quarzeno.ini");
inline const QString kSezNumerazione = QStringLiteral("Numerazione Protocollo");
inline const QString kInizio = QStringLiteral("Inizio");
inline const QString kAnnoSolare = QStringLiteral("Indicazione Anno Solare");
// The office and the operator last typed, each under its card field's name.
inline const QString kSezDocumenti = QStringLiteral("Protocollo Documenti");

QString path();

struct Numbering {
    QString start;          // as stored, trimmed; empty counts as 1
    bool withYear = false;  // only "Sì" turns it on
};

// Each throws IniError when the file exists but cannot be read or written.
Numbering numbering();
void setNumbering(const Numbering& numbering);

struct Office {
    QString office;
    QString operatorName;
};
Office office();
void setOffice(const Office& office);

// The start as a whole number: empty is 1; anything else that is not a
// whole number gives nothing.
std::optional<qint64> startNumber(const QString& start);

// The number of the card that follows count cards: start + count, then "/"
// and the year of today when the year follows the number ("42/2026").
QString proposal(qint64 start, qint64 count, bool withYear, const QDate& today);

// The start field once left: empty becomes "1"; a number with a decimal
// comma is rounded (add a half, drop the fraction), "0012" becomes "12";
// a text that is no number, or begins or ends with the comma, becomes "1".
QString normalisedStart(const QString& typed);

}  // namespace ProtocolSettings
