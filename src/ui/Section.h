#pragma once
// A section of a record window: a picture heading with its title over a grid
// of labelled fields.
#include <QFrame>

class QGridLayout;

class TSection : public QFrame {
    Q_OBJECT
public:
    TSection(const QString& objectName, const QString& picture, const QString& title, QWidget* parent = nullptr);
    QGridLayout* grid() const { return grid_; }

private:
    QGridLayout* grid_;
};
