#include "Appearance.h"
#include "PackedImages.h"

#include <QDir>
#include <QImageReader>
#include <QResource>
#include <QTextDocument>

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

QMap<int, QString> RenderedSizes(const QString& name)
{
    // The names are matched here rather than by a name filter of QDir, which compiles a regular
    // expression: at start-up that alone would cost the window half a megabyte of memory.
    QMap<int, QString> sizes;
    const QDir icons(QStringLiteral(":/icons"));
    const QString prefix = name + u'-', suffix = QStringLiteral(".png");
    for (const QString& file : icons.entryList(QDir::Files)) {
        if (!file.startsWith(prefix) || !file.endsWith(suffix))
            continue;
        bool isNumber = false;
        const int pixels = QStringView(file).sliced(prefix.size()).chopped(suffix.size()).toInt(&isNumber);
        if (isNumber && pixels > 0)
            sizes.insert(pixels, icons.filePath(file));
    }
    return sizes;
}

QIcon ProgramIcon()
{
    // The renderings rather than the drawing, everywhere: the window icon is wanted at start, at
    // several sizes at once, and drawing the SVG at each cost more than the rest of the window.
    // Unpacked from their runs: decoding the same renderings from their PNGs was a tenth of all the
    // work of the window's start. Made once for every window.
    static const QIcon icon = [] {
        QIcon renderings;
        const QByteArray packed = QResource(QStringLiteral(":/icons/kelmora.runs")).uncompressedData();
        for (QImage& image : UnpackImages(packed))
            renderings.addPixmap(QPixmap::fromImage(std::move(image)));
        return renderings;
    }();
    return icon;
}

QPixmap Picture(const QString& name, QSize size, qreal devicePixelRatio)
{
    const QSize pixels = size * devicePixelRatio;
    // The drawing through Qt's SVG image plugin, which loads Qt SVG only now: linked to the program,
    // that library would be loaded and bound at every start, for the About window's picture alone.
    QImageReader drawing(QStringLiteral(":/icons/%1.svg").arg(name), "svg");
    drawing.setScaledSize(pixels);
    QImage image = drawing.read();
    // Without the plugin (Windows builds have no Qt SVG), the PNG renderings: a size in between is
    // scaled down from the next larger one, which keeps it sharper than scaling up.
    if (image.size() != pixels) {
        const QMap<int, QString> sizes = RenderedSizes(name);
        if (sizes.isEmpty())
            return {};
        const auto larger = sizes.lowerBound(qMax(pixels.width(), pixels.height()));
        image.load(larger != sizes.cend() ? larger.value() : sizes.last());
        if (image.size() != pixels)
            image = image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
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

QString VisibleText(const QString& text, bool keepLines)
{
    QString shown = text;
    for (QChar& c : shown) {
        const char16_t code = c.unicode();
        const bool line = code == u'\n' || code == u'\t';
        const bool bidi = code == 0x061c || code == 0x200e || code == 0x200f || (code >= 0x202a && code <= 0x202e) ||
                          (code >= 0x2066 && code <= 0x2069);
        const QChar::Category category = c.category();
        if (bidi || ((category == QChar::Other_Control || category == QChar::Separator_Line ||
                      category == QChar::Separator_Paragraph) &&
                     !(keepLines && line)))
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

QString PlainToolTip(const QString& text)
{
    const QString shown = VisibleText(text, true);
    return Qt::mightBeRichText(shown) ? Qt::convertFromPlainText(shown, Qt::WhiteSpacePre) : shown;
}

} // namespace kelmora
