#include "sprite_file.h"

#include <fstream>
#include <vector>

namespace {

void put16(std::vector<std::uint8_t> &bytes, std::uint32_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t> &bytes, std::uint32_t value)
{
    put16(bytes, value & 0xFFFFu);
    put16(bytes, value >> 16);
}

} // namespace

bool writeSolidSprite(const std::filesystem::path &file, int width, int height, Bgra colour)
{
    const auto imageSize = static_cast<std::uint32_t>(width * height * 4);
    std::vector<std::uint8_t> bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    put32(bytes, 54 + imageSize); // file size
    put32(bytes, 0);              // two reserved words
    put32(bytes, 54);             // pixel data offset
    put32(bytes, 40);             // information header size
    put32(bytes, static_cast<std::uint32_t>(width));
    put32(bytes, static_cast<std::uint32_t>(height));
    put16(bytes, 1);  // planes
    put16(bytes, 32); // bits per pixel
    put32(bytes, 0);  // compression
    put32(bytes, imageSize);
    put32(bytes, 2835); // resolutions, not examined
    put32(bytes, 2835);
    put32(bytes, 0); // colours used
    put32(bytes, 0); // important colours
    for (int i = 0; i < width * height; ++i) {
        bytes.push_back(colour.blue);
        bytes.push_back(colour.green);
        bytes.push_back(colour.red);
        bytes.push_back(colour.alpha);
    }
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
