#include "appuntamenti/AgendaRules.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "platform/Formats.h"
#include "platform/Text.h"

namespace {

QString field(const Record& card, const char* name) { return Text::trim(card.get(QLatin1String(name))); }

}  // namespace

namespace AgendaRules {

QString key(const Record& card) {
    // The date is always "dd/mm/yyyy": its parts are cut by position.
    const QString date = field(card, "Data");
    return date.mid(6, 4) + date.mid(3, 2) + date.left(2) + field(card, "OreApp") + field(card, "MinutiApp");
}

Pick imminence(const Record& card, const QDate& today) {
    if (field(card, "Ottemperata") == QStringLiteral("S\u00EC")) return false;
    const QDate date = Formats::parseDate(field(card, "Data"));
    if (!date.isValid()) return Pick::unreadableDate();
    const QString notice = field(card, "Avviso");
    const int days = Text::isDigits(notice) ? notice.toInt() : 0;
    return date.addDays(-days) <= today;
}

QString line(const Record& card) {
    return QStringLiteral("ID: ") + key(card) + QStringLiteral("  Data: ") + Text::fixed(card.get("Data"), 10) +
           QStringLiteral("  Ora: ") + Text::fixed(card.get("Ora"), 5) + QStringLiteral("  ") +
           Text::fixed(card.get("Contatto"), 30) + QStringLiteral("  Cel. ") + Text::fixed(card.get("Cel"), 14) +
           QStringLiteral("  ") + Text::fixed(card.get("Causale"), 42) + QStringLiteral("  \u20AC ") +
           field(card, "Importo");
}

void readImminent(std::vector<RecordLine>& lines, const QDate& today, LeftOut& leftOut) {
    const RecordFilter imminent = [&today](const Record& card) { return imminence(card, today); };
    Archive::forEach(ArchiveFiles::Appuntamenti, Layouts::TSchedaAppuntamento(),
                     [&](const Record& card, qint64 position) {
                         if (leftOut.takes(imminent, card, position)) lines.push_back({line(card), position});
                     });
}

}  // namespace AgendaRules
