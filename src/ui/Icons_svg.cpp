// The pictures drawn from their SVG drawings, sharp at any size and scale.
#include "Appearance.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kelmora {

QPixmap Picture(const QString& name, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace kelmora
