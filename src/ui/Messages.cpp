#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

Msg::Handler& handler() {
    static Msg::Handler h;
    return h;
}

MsgAnswer showReal(const MessageRequest& r) {
    QMessageBox box(r.parent ? r.parent->window() : nullptr);
    switch (r.kind) {
    case MsgKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Attenzione"));
        break;
    case MsgKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Errore"));
        break;
    case MsgKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Informazione"));
        break;
    case MsgKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Conferma"));
        break;
    case MsgKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        box.setWindowTitle(QStringLiteral("Plenaro"));
        break;
    }
    box.setTextFormat(Qt::PlainText);
    // An address or a path in a message can be copied from it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setText(Msg::displayText(r.text));
    QPushButton *first = nullptr, *second = nullptr;
    switch (r.buttons) {
    case MsgButtons::OkCancel:
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        second = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        break;
    case MsgButtons::YesNo:
        first = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        second = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setEscapeButton(second);
        break;
    case MsgButtons::Ok:
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(first);
        break;
    }
    box.setDefaultButton(first);
    QApplication::setOverrideCursor(Qt::ArrowCursor);  // never a wait cursor over a question
    box.exec();
    QApplication::restoreOverrideCursor();
    const bool isFirst = box.clickedButton() == first;
    if (r.buttons == MsgButtons::YesNo) return isFirst ? MsgAnswer::Yes : MsgAnswer::No;
    if (r.buttons == MsgButtons::Ok || isFirst) return MsgAnswer::Ok;
    return MsgAnswer::Cancel;
}

MsgAnswer make(QWidget* parent, MsgKind kind, const QString& text, MsgButtons buttons) {
    MessageRequest r;
    r.parent = parent;
    r.kind = kind;
    r.text = text;
    r.buttons = buttons;
    return Msg::show(r);
}

}  // namespace

namespace Msg {

MsgAnswer warning(QWidget* p, const QString& t) { return make(p, MsgKind::Warning, t, MsgButtons::OkCancel); }
MsgAnswer error(QWidget* p, const QString& t) { return make(p, MsgKind::Error, t, MsgButtons::OkCancel); }
MsgAnswer information(QWidget* p, const QString& t) { return make(p, MsgKind::Information, t, MsgButtons::OkCancel); }
MsgAnswer confirm(QWidget* p, const QString& t) { return make(p, MsgKind::Confirmation, t, MsgButtons::YesNo); }
MsgAnswer plain(QWidget* p, const QString& t) { return make(p, MsgKind::Plain, t, MsgButtons::Ok); }

MsgAnswer of(QWidget* p, MsgKind kind, const QString& t) {
    const MsgButtons buttons = kind == MsgKind::Plain          ? MsgButtons::Ok
                               : kind == MsgKind::Confirmation ? MsgButtons::YesNo
                                                               : MsgButtons::OkCancel;
    return make(p, kind, t, buttons);
}

MsgAnswer show(const MessageRequest& request) {
    if (handler()) return handler()(request);
    return showReal(request);
}

QString displayText(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.remove(QLatin1Char('\r'));
    return t;
}

void setHandler(Handler h) { handler() = std::move(h); }
void resetHandler() { handler() = nullptr; }

}  // namespace Msg
