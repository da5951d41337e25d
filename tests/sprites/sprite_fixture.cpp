#include "sprite_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

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

WindowSurface::WindowSurface(int width, int height, Colour fill)
    : width_(width), pixels_(static_cast<size_t>(width) * height * 4)
{
    for (size_t i = 0; i < pixels_.size(); i += 4)
        pixels_.at(i) = fill[0], pixels_.at(i + 1) = fill[1], pixels_.at(i + 2) = fill[2];
    dc_ = SysCreateWindowDC(nullptr, pixels_.data(), width, height, width * 4, nullptr, nullptr);
    EXPECT_NE(nullptr, dc_);
}

WindowSurface::~WindowSurface()
{
    DeleteDC(dc_);
}

Colour WindowSurface::At(int x, int y) const
{
    const size_t at = (static_cast<size_t>(y) * width_ + x) * 4;
    return {pixels_.at(at), pixels_.at(at + 1), pixels_.at(at + 2)};
}

void WindowSurface::Set(int x, int y, Colour colour)
{
    const size_t at = (static_cast<size_t>(y) * width_ + x) * 4;
    pixels_.at(at) = colour[0], pixels_.at(at + 1) = colour[1], pixels_.at(at + 2) = colour[2];
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
    std::string pattern = (std::filesystem::temp_directory_path() / "orvalin-test-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(pattern.data()));
    folder_ = pattern;
}

// Every test starts from an empty table and without pending failures.
void SpriteLibraryTest::TearDown()
{
    SysFailNextCreations(0, 0);
    for (int handle = 1; handle <= 100; ++handle)
        UnLoadGUIResource(handle);
    std::filesystem::remove_all(folder_);
}

std::string SpriteLibraryTest::WriteFile(const std::string &name, const Bytes &bytes)
{
    const std::string path = folder_ + "/" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
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
