#include "ui/Resources.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

void initPlenaroResources() { Q_INIT_RESOURCE(plenaro); }

QPixmap svgPixmap(const QString& path, const QSize& size, qreal devicePixelRatio) {
    QSvgRenderer svg(path);
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    if (!svg.isValid()) return pm;
    QSizeF drawn = svg.defaultSize().isEmpty() ? QSizeF(size) : QSizeF(svg.defaultSize());
    drawn.scale(QSizeF(size), Qt::KeepAspectRatio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2), drawn));
    return pm;
}
