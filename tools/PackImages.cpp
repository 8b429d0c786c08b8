// Packs PNG renderings into runs of equal pixels, as src/ui/PackedImages.h lays them out, in the order
// given; scripts/render-icons runs it for the program icon (resources/icons/kelmora.runs).
//
//     kelmora_pack_images OUTPUT PNG...
#include "PackedImages.h"

#include <QCoreApplication>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>

namespace {

template<typename T>
void Append(QByteArray& bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

QByteArray Runs(const QImage& image)
{
    QByteArray runs;
    quint32 count = 0;
    const auto* pixel = reinterpret_cast<const quint32*>(image.constBits());
    const qsizetype total = qsizetype(image.width()) * image.height();
    for (qsizetype at = 0; at < total;) {
        qsizetype length = 1;
        while (at + length < total && length < 0xffff && pixel[at + length] == pixel[at])
            ++length;
        Append(runs, quint16(length));
        Append(runs, pixel[at]);
        ++count;
        at += length;
    }
    QByteArray header;
    Append(header, quint16(image.width()));
    Append(header, quint16(image.height()));
    Append(header, count);
    return header + runs;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Usage: %s OUTPUT PNG...\n", argv[0]);
        return 2;
    }
    QByteArray packed(kelmora::PackedImagesMagic);
    for (int i = 2; i < argc; ++i) {
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            std::fprintf(stderr, "Could not read %s\n", argv[i]);
            return 1;
        }
        packed += Runs(image);
    }
    if (kelmora::UnpackImages(packed).size() != argc - 2) {
        std::fprintf(stderr, "The packed pictures do not unpack\n");
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly) || output.write(packed) != packed.size() || !output.commit()) {
        std::fprintf(stderr, "Could not write %s: %s\n", argv[1], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
