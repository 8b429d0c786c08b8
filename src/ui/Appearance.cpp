#include "Appearance.h"

#include <QDir>

#include <cmath>

namespace kelmora {
namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

} // namespace

QIcon ProgramIcon()
{
    // The renderings rather than the drawing, everywhere: the window icon is wanted at start, at
    // several sizes at once, and drawing the SVG at each cost more than the rest of the window.
    // Qt reads each file as it is added, so the icon is made once for every window.
    static const QIcon icon = [] {
        QIcon renderings;
        const QDir icons(QStringLiteral(":/icons"));
        for (const QString& file : icons.entryList({QStringLiteral("kelmora-*.png")}, QDir::Files)) {
            bool isNumber = false;
            const int pixels = file.mid(8).chopped(4).toInt(&isNumber);
            if (isNumber && pixels > 0)
                renderings.addFile(icons.filePath(file), QSize(pixels, pixels));
        }
        return renderings;
    }();
    return icon;
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background)
{
    if (ContrastRatio(colour, background) >= MinimumTextContrast)
        return colour;
    const bool darkBackground = ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background);
    const QColor hsl = colour.toHsl();
    const int hue = hsl.hslHue(), saturation = hsl.hslSaturation();
    // Walking the lightness keeps hue and saturation: dark green becomes a light green, not grey.
    for (int lightness = hsl.lightness(); lightness >= 0 && lightness <= 255; lightness += darkBackground ? 3 : -3) {
        const QColor candidate = QColor::fromHsl(hue, saturation, lightness).toRgb();
        if (ContrastRatio(candidate, background) >= MinimumTextContrast)
            return candidate;
    }
    return darkBackground ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace kelmora
