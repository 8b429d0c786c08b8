// The pictures drawn from the PNGs rendered from their SVG drawings, for builds without Qt SVG. Each is rendered at a
// few sizes (`name-<pixels>.png`); a size in between is scaled down from the next larger one, which keeps it sharper
// than scaling up.
#include "Appearance.h"

#include <QImage>
#include <QMap>

namespace kelmora {

QPixmap Picture(const QString& name, QSize size, qreal devicePixelRatio)
{
    const QSize pixels = size * devicePixelRatio;
    const QMap<int, QString> sizes = RenderedSizes(name);
    if (sizes.isEmpty())
        return {};
    const int wanted = qMax(pixels.width(), pixels.height());
    const auto larger = sizes.lowerBound(wanted);
    const QImage rendered(larger != sizes.cend() ? larger.value() : sizes.last());
    QPixmap pixmap = QPixmap::fromImage(
        rendered.size() == pixels ? rendered : rendered.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace kelmora
