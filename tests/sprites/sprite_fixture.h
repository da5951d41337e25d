// What the library tests share: sprite files written to a private folder,
// 32-bit surfaces to draw on, and a sprite table emptied after each test.
#ifndef ORVALIN_TESTS_SPRITE_FIXTURE_H
#define ORVALIN_TESTS_SPRITE_FIXTURE_H

#include "Orvalin.h"
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orvalin_test {

using Bytes = std::vector<uint8_t>;
using Colour = std::array<uint8_t, 3>; // blue, green, red

constexpr size_t kPixelDataOffset = 54;

void PutLE16(Bytes &bytes, size_t offset, uint16_t value);
void PutLE32(Bytes &bytes, size_t offset, uint32_t value);

// A well-formed sprite file: 14 + 40 header bytes and width*height*4 pixel bytes.
Bytes SpriteFileBytes(int32_t width, int32_t height, const Bytes &pixels);
// Every pixel the same colour and alpha.
Bytes UniformPixels(int32_t width, int32_t height, Colour colour, uint8_t alpha);

// Paths as the wide loader takes them, from ASCII or UTF-16 text.
using WidePath = std::basic_string<WCHAR>;
WidePath Widen(std::u16string_view text);
WidePath Widen(const std::string &ascii);

// A top-down 32-bit surface of a device context: a window's client area on
// Linux, a memory DC with a 32-bit DIB section on Windows.
class WindowSurface {
public:
    WindowSurface(int width, int height, Colour fill);
    ~WindowSurface();
    WindowSurface(const WindowSurface &) = delete;
    WindowSurface &operator=(const WindowSurface &) = delete;

    HDC dc() const { return dc_; }
    Colour At(int x, int y) const;
    void Set(int x, int y, Colour colour);
    Bytes pixels() const { return Bytes(bits_, bits_ + byteCount()); }

private:
    struct Backing; // per platform: what owns the pixels and the DC
    size_t byteCount() const { return static_cast<size_t>(width_) * height_ * 4; }

    int width_;
    int height_;
    std::unique_ptr<Backing> backing_;
    uint8_t *bits_ = nullptr;
    HDC dc_ = nullptr;
};

// A memory DC with a selected 24-bit bottom-up DIB section, bits zeroed.
class DibSurface {
public:
    DibSurface(int width, int height);
    ~DibSurface();
    DibSurface(const DibSurface &) = delete;
    DibSurface &operator=(const DibSurface &) = delete;

    HDC dc() const { return dc_; }
    size_t stride() const { return (static_cast<size_t>(width_) * 3 + 3) / 4 * 4; }
    // Row r of the bits, counted from the bottom of the picture.
    const uint8_t *Row(int r) const { return bits_ + stride() * static_cast<size_t>(r); }

private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ replaced_ = nullptr;
    uint8_t *bits_ = nullptr;
};

class SpriteLibraryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string WriteFile(const std::filesystem::path &name, const Bytes &bytes);
    // Writes a sprite file and loads it through the ANSI loader.
    int LoadSprite(int32_t width, int32_t height, const Bytes &pixels);
    int LoadUniformSprite(int32_t width, int32_t height, Colour colour, uint8_t alpha);

    std::string folder_;
    int fileCount_ = 0;
};

} // namespace orvalin_test

#endif
