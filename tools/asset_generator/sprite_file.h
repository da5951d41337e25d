// The sprite file: a 32-bit uncompressed bitmap file with straight alpha.
#pragma once

#include <QByteArray>
#include <QImage>

namespace pellory::assets {

constexpr int kSpriteHeaderSize = 14 + 40;

// Encodes the image as a sprite file: pixels blue, green, red, alpha with
// straight alpha, bottom row first, data at offset 54.
QByteArray encodeSpriteFile(const QImage &image);

} // namespace pellory::assets
