#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace {

FileDialogs::Handler& handler() {
    static FileDialogs::Handler h;
    return h;
}

QString run(const FileDialogRequest& r) {
    if (handler()) return handler()(r);
    switch (r.kind) {
    case FileDialogKind::Open: return QFileDialog::getOpenFileName(r.parent, r.caption, r.directory, r.filter);
    case FileDialogKind::Save: return QFileDialog::getSaveFileName(r.parent, r.caption, r.directory, r.filter);
    case FileDialogKind::Folder: return QFileDialog::getExistingDirectory(r.parent, r.caption, r.directory);
    }
    return {};
}

FileDialogRequest make(QWidget* parent, FileDialogKind kind, const QString& caption, const QString& dir,
                       const QString& filter) {
    FileDialogRequest r;
    r.parent = parent;
    r.kind = kind;
    r.caption = caption;
    r.directory = dir;
    r.filter = filter;
    return r;
}

}  // namespace

namespace FileDialogs {

QString getOpenFileName(QWidget* p, const QString& c, const QString& d, const QString& f) {
    return run(make(p, FileDialogKind::Open, c, d, f));
}
QString getSaveFileName(QWidget* p, const QString& c, const QString& d, const QString& f) {
    return run(make(p, FileDialogKind::Save, c, d, f));
}
QString getExistingDirectory(QWidget* p, const QString& c, const QString& d) {
    return run(make(p, FileDialogKind::Folder, c, d, {}));
}

void setHandler(Handler h) { handler() = std::move(h); }
void resetHandler() { handler() = nullptr; }

}  // namespace FileDialogs
