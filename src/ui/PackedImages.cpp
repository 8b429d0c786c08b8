#include "PackedImages.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace kelmora {
namespace {

// Larger than any icon rendering; a bigger picture is not one of ours.
constexpr int MaxSide = 1024;
constexpr qsizetype HeaderSize = 8;
constexpr qsizetype RunSize = 6;

} // namespace

QList<QImage> UnpackImages(QByteArrayView packed)
{
    const auto* at = reinterpret_cast<const uchar*>(packed.data());
    const auto* const end = at + packed.size();
    const auto has = [&](qsizetype bytes) { return end - at >= bytes; };
    const qsizetype magicSize = qsizetype(sizeof PackedImagesMagic) - 1;
    if (!has(magicSize) || std::memcmp(at, PackedImagesMagic, size_t(magicSize)) != 0)
        return {};
    at += magicSize;
    QList<QImage> images;
    while (at != end) {
        if (!has(HeaderSize))
            return {};
        const int width = qFromLittleEndian<quint16>(at), height = qFromLittleEndian<quint16>(at + 2);
        const qsizetype runs = qFromLittleEndian<quint32>(at + 4);
        at += HeaderSize;
        if (width < 1 || height < 1 || width > MaxSide || height > MaxSide || !has(runs * RunSize))
            return {};
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        // A row of 32-bit pixels needs no padding: the rows lie end to end.
        auto* pixel = reinterpret_cast<quint32*>(image.bits());
        qsizetype left = qsizetype(width) * height;
        for (qsizetype run = 0; run < runs; ++run, at += RunSize) {
            const qsizetype length = qFromLittleEndian<quint16>(at);
            if (length > left)
                return {};
            std::fill_n(pixel, length, qFromLittleEndian<quint32>(at + 2));
            pixel += length;
            left -= length;
        }
        if (left != 0)
            return {};
        images.append(std::move(image));
    }
    return images;
}

} // namespace kelmora
