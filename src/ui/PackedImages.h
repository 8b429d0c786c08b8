#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>

namespace kelmora {

// Pictures kept as runs of equal pixels, for those the program needs at once at start: unpacking
// them is a matter of microseconds, where decoding the same pictures from PNGs takes milliseconds.
// tools/PackImages.cpp packs them; the layout, little-endian throughout:
//   "KRL1", then for each picture: width and height (16 bits each), the number of runs (32 bits),
//   and each run: its length in pixels (16 bits) and its pixel (32 bits, premultiplied ARGB). The
//   runs go on from one row to the next.
inline constexpr char PackedImagesMagic[] = "KRL1";

// The pictures of `packed` in their order, each in QImage::Format_ARGB32_Premultiplied; nothing at
// all where any part is damaged.
QList<QImage> UnpackImages(QByteArrayView packed);

} // namespace kelmora
