// The pictures drawn from the PNGs rendered from their SVG drawings, for builds without Qt SVG. Each is rendered at a few sizes (`name-<pixels>.png`); a size in between is scaled down from
// the next larger one, which keeps it sharper than scaling up.
#include "Appearance.h"

#include <QDir>
#include <QImage>
#include <QMap>

namespace kelmora {
namespace {

// The rendered sizes of `name` in pixels, each with its resource path.
QMap<int, QString> RenderedSizes(const QString& name)
{
    QMap<int, QString> sizes;
    const QDir icons(QStringLiteral(":/icons"));
    const QString prefix = name + u'-';
    for (const QString& file : icons.entryList({prefix + QStringLiteral("*.png")}, QDir::Files)) {
        bool isNumber = false;
        const int pixels = file.mid(prefix.size()).chopped(4).toInt(&isNumber);
        if (isNumber && pixels > 0)
            sizes.insert(pixels, icons.filePath(file));
    }
    return sizes;
}

} // namespace

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
