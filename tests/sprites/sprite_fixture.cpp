#include "sprite_fixture.h"

#include <algorithm>
#include <fstream>
#include <random>

namespace orvalin_test {

void PutLE16(Bytes &bytes, size_t offset, uint16_t value)
{
    bytes.at(offset) = static_cast<uint8_t>(value);
    bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void PutLE32(Bytes &bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

Bytes SpriteFileBytes(int32_t width, int32_t height, const Bytes &pixels)
{
    Bytes file(kPixelDataOffset, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutLE32(file, 2, static_cast<uint32_t>(kPixelDataOffset + pixels.size()));
    PutLE32(file, 10, kPixelDataOffset);
    PutLE32(file, 14, 40);
    PutLE32(file, 18, static_cast<uint32_t>(width));
    PutLE32(file, 22, static_cast<uint32_t>(height));
    PutLE16(file, 26, 1);
    PutLE16(file, 28, 32);
    PutLE32(file, 34, static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u);
    PutLE32(file, 38, 2835);
    PutLE32(file, 42, 2835);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

Bytes UniformPixels(int32_t width, int32_t height, Colour colour, uint8_t alpha)
{
    Bytes pixels;
    for (int32_t i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {colour[0], colour[1], colour[2], alpha});
    return pixels;
}

WidePath Widen(std::u16string_view text) { return WidePath(text.begin(), text.end()); }

WidePath Widen(const std::string &ascii) { return WidePath(ascii.begin(), ascii.end()); }

Colour WindowSurface::At(int x, int y) const
{
    const size_t at = (static_cast<size_t>(y) * width_ + x) * 4;
    EXPECT_LT(at, byteCount());
    return {bits_[at], bits_[at + 1], bits_[at + 2]};
}

void WindowSurface::Set(int x, int y, Colour colour)
{
    const size_t at = (static_cast<size_t>(y) * width_ + x) * 4;
    ASSERT_LT(at, byteCount());
    std::copy(colour.begin(), colour.end(), bits_ + at);
}

DibSurface::DibSurface(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr))
{
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    EXPECT_NE(nullptr, bitmap_);
    bits_ = static_cast<uint8_t *>(bits);
    std::fill_n(bits_, stride() * static_cast<size_t>(height), uint8_t{0});
    replaced_ = SelectObject(dc_, bitmap_);
}

DibSurface::~DibSurface()
{
    SelectObject(dc_, replaced_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void SpriteLibraryTest::SetUp()
{
    std::random_device random;
    std::filesystem::path folder;
    do
        folder = std::filesystem::temp_directory_path() / ("orvalin-test-" + std::to_string(random()));
    while (!std::filesystem::create_directory(folder));
    folder_ = folder.generic_string();
}

// Every test starts from an empty table.
void SpriteLibraryTest::TearDown()
{
    for (int handle = 1; handle <= 100; ++handle)
        UnLoadGUIResource(handle);
    std::filesystem::remove_all(folder_);
}

std::string SpriteLibraryTest::WriteFile(const std::filesystem::path &name, const Bytes &bytes)
{
    const std::filesystem::path path = std::filesystem::path(folder_) / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path.generic_string();
}

int SpriteLibraryTest::LoadSprite(int32_t width, int32_t height, const Bytes &pixels)
{
    const std::string path = WriteFile("sprite" + std::to_string(++fileCount_) + ".dat",
                                       SpriteFileBytes(width, height, pixels));
    return LoadGUIResourceA(path.c_str());
}

int SpriteLibraryTest::LoadUniformSprite(int32_t width, int32_t height, Colour colour, uint8_t alpha)
{
    return LoadSprite(width, height, UniformPixels(width, height, colour, alpha));
}

} // namespace orvalin_test
