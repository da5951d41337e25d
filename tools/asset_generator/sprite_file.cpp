#include "sprite_file.h"

#include <cstdint>

namespace pellory::assets {
namespace {

void appendLittleEndian(QByteArray &out, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

void appendU16(QByteArray &out, std::uint16_t value) { appendLittleEndian(out, value, 2); }
void appendU32(QByteArray &out, std::uint32_t value) { appendLittleEndian(out, value, 4); }

} // namespace

QByteArray encodeSpriteFile(const QImage &image)
{
    // Straight (not premultiplied) alpha is what the sprite format stores.
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    const auto width = static_cast<std::uint32_t>(straight.width());
    const auto height = static_cast<std::uint32_t>(straight.height());
    const std::uint32_t imageSize = width * height * 4;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(kSpriteHeaderSize + imageSize));
    out.append("BM", 2);
    appendU32(out, kSpriteHeaderSize + imageSize); // file size
    appendU16(out, 0);                             // reserved
    appendU16(out, 0);                             // reserved
    appendU32(out, kSpriteHeaderSize);             // offset of the pixel data

    appendU32(out, 40);        // information header size
    appendU32(out, width);     // width
    appendU32(out, height);    // height, positive: rows bottom-up
    appendU16(out, 1);         // planes
    appendU16(out, 32);        // bits per pixel
    appendU32(out, 0);         // compression: none
    appendU32(out, imageSize); // image size
    appendU32(out, 2835);      // 72 dots per inch, horizontally
    appendU32(out, 2835);      // and vertically
    appendU32(out, 0);         // colours used
    appendU32(out, 0);         // important colours

    for (int y = straight.height() - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(straight.constScanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb pixel = row[x];
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
            out.append(static_cast<char>(qAlpha(pixel)));
        }
    }
    return out;
}

} // namespace pellory::assets
