#include "archive/PhotoStore.h"

#include <QDir>

#include "platform/ProgramFolder.h"
#include "ui/Messages.h"
#include "ui/PhotoBox.h"

PhotoStore::PhotoStore(QString folder, QString prefix, QString placeholder)
    : folder_(std::move(folder)), prefix_(std::move(prefix)), placeholder_(std::move(placeholder)) {}

QString PhotoStore::fileName(qint64 position) const {
    return folder_ + QLatin1Char('/') + prefix_ + QString::number(position) + QStringLiteral(".jpg");
}

QString PhotoStore::path(qint64 position) const { return ProgramFolder::file(fileName(position)); }

QImage PhotoStore::load(qint64 position) const {
    QDir().mkpath(ProgramFolder::file(folder_));
    return Photo::read(path(position));
}

void PhotoStore::show(qint64 position, TPhotoBox* box) const { box->setPicture(load(position)); }

bool PhotoStore::write(qint64 position, const QImage& picture) const {
    if (!QDir().mkpath(ProgramFolder::file(folder_))) return false;
    return Photo::writeJpeg(path(position), picture);
}

bool PhotoStore::store(QWidget* parent, qint64 position, const TPhotoBox* box) const {
    if (write(position, box->picture())) return true;
    Msg::warning(parent, kMsgNonSalvata);
    return false;
}
