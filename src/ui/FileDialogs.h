#pragma once
// The open-file, save-file and choose-folder dialogs, behind one seam so that
// tests pick the file instead of a user.
#include <QString>
#include <functional>

class QWidget;

enum class FileDialogKind { Open, Save, Folder };

struct FileDialogRequest {
    QWidget* parent = nullptr;
    FileDialogKind kind = FileDialogKind::Open;
    QString caption;
    QString directory;
    QString filter;  // "Immagini (*.jpg *.bmp)"; empty for a folder
};

namespace FileDialogs {

// The chosen path, or the empty text when the user cancels.
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& directory = {},
                        const QString& filter = {});
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& directory = {},
                        const QString& filter = {});
QString getExistingDirectory(QWidget* parent, const QString& caption, const QString& directory = {});

using Handler = std::function<QString(const FileDialogRequest&)>;
void setHandler(Handler handler);
void resetHandler();

}  // namespace FileDialogs
