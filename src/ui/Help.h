#pragma once
// Help topics: every window's help button asks for its topic by title; the
// application shell shows the help window. A topic's text is its paragraphs
// joined by an empty line (CR LF CR LF), none before the first or after the
// last.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct HelpTopic {
    QString title;
    QStringList paragraphs;
    QString text() const { return paragraphs.join(QStringLiteral("\r\n\r\n")); }
};

namespace Help {

// Opens the help window owned by owner on the topic with this title.
void open(QWidget* owner, const QString& title);

// Set by the application shell (and by tests that record the requests).
using Opener = std::function<void(QWidget* owner, const QString& title)>;
void setOpener(Opener opener);

}  // namespace Help
