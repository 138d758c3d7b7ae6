#include "ui/Section.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/Resources.h"

TSection::TSection(const QString& objectName, const QString& picture, const QString& title, QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("TSection { background: #ffffff; border: 1px solid #c9d9e6; border-radius: 6px; }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 4, 8, 6);
    outer->setSpacing(3);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(6);
    auto* icon = new QLabel;
    icon->setObjectName(objectName + QStringLiteral("Icona"));
    icon->setPixmap(svgPixmap(picture, QSize(20, 20), devicePixelRatioF()));
    icon->setFixedSize(20, 20);
    auto* text = new QLabel(title);
    text->setObjectName(objectName + QStringLiteral("Titolo"));
    text->setStyleSheet(QStringLiteral("color: #2f6f9f; font-weight: bold;"));
    heading->addWidget(icon);
    heading->addWidget(text);
    heading->addStretch();
    outer->addLayout(heading);

    grid_ = new QGridLayout;
    grid_->setHorizontalSpacing(10);
    grid_->setVerticalSpacing(3);
    outer->addLayout(grid_);
}
