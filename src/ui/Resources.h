#pragma once
// The pictures and sounds compiled into the program (":/img/..."). A static
// library's resources must be registered by the program that links it.
void initPlenaroResources();

#include <QPixmap>
#include <QSize>
#include <QString>

// An SVG picture drawn at exactly this size (keeping its proportions), sharp
// on screens with more than one pixel per point.
QPixmap svgPixmap(const QString& path, const QSize& size, qreal devicePixelRatio = 1.0);
