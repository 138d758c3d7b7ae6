#pragma once
// Every help topic of the program, by title. The general topic of the
// launcher joins an introduction, the guide of each app in tile order and
// some closing advice.
#include <QList>
#include <optional>

#include "ui/Help.h"

namespace HelpTopics {

QString generalTitle();  // "Uno sguardo a Plenaro"

HelpTopic general();
QStringList introduction();
QStringList closing();

// The guide of each app, in tile order.
QList<HelpTopic> guides();
// The topics of the apps' other windows (exports, summaries, histories).
QList<HelpTopic> others();

// The general topic, the guides, then the other topics.
QList<HelpTopic> all();
std::optional<HelpTopic> find(const QString& title);

}  // namespace HelpTopics
