#include "captured_background.h"

#include "blend_kernels.h"
#include "heap.h"
#include "work_bitmap.h"

#include <cstring>

namespace orvalin {
namespace {

// Captures up to this size get room for a blended copy (a 64x64 sprite's
// is 12288 bytes); larger ones would double too much memory.
constexpr size_t kBlendedCopyLimit = size_t{1} << 16;

// Pairs take 8 bytes a pixel (a 64x64 sprite's are 32896 bytes), but a whole
// 64-pixel block a row: a narrow, tall sprite would need hundreds a pixel.
constexpr size_t kPairsLimit = size_t{1} << 17;

size_t PairsBytesFor(const SpriteRecord &sprite)
{
    if (!BlendsFromPairs(sprite.width))
        return 0;
    const size_t bytes = BlendPairsBytes(sprite.width, sprite.height);
    return bytes <= kPairsLimit ? bytes : 0;
}

size_t CaptureBytes(const SpriteRecord &sprite)
{
    return StrideOf(sprite.width) * static_cast<size_t>(sprite.height);
}

} // namespace

void CaptureBackground(SpriteRecord &sprite, HDC hdc, int x, int y)
{
    const WorkBitmap capture(hdc, sprite.width, sprite.height);
    if (!capture.valid())
        return;
    capture.CopyFrom(hdc, x, y);
    const size_t bytes = capture.byteCount();
    // One block for all three, so the heap sees exactly one allocation per
    // capture; the blended copy and the pairs only for small sprites.
    const bool roomForBlend = bytes <= kBlendedCopyLimit;
    const size_t pairsBytes = roomForBlend ? PairsBytesFor(sprite) : 0;
    uint8_t *background = AllocateBytes((roomForBlend ? 2 * bytes : bytes) + pairsBytes);
    if (background == nullptr)
        return;
    std::memcpy(background, capture.bits(), bytes);
    sprite.background = background;
    sprite.blended = BlendedCapture{roomForBlend ? background + bytes : nullptr};
    if (pairsBytes != 0) {
        uint8_t *pairs = background + 2 * bytes;
        BuildBlendPairs(sprite.pixels, background, sprite.width, sprite.height, StrideOf(sprite.width), pairs);
        sprite.blendPairs = pairs;
    }
}

void DiscardCapture(SpriteRecord &sprite)
{
    FreeBytes(sprite.background);
    sprite.background = nullptr;
    sprite.blended = BlendedCapture{};
    sprite.blendPairs = nullptr;
}

void BlendOver(const SpriteRecord &sprite, uint8_t *work)
{
    BlendSprite(sprite.pixels, sprite.width, sprite.height, work, work, StrideOf(sprite.width), sprite.opacity);
}

void ComposeOverCapture(SpriteRecord &sprite, uint8_t *work)
{
    const size_t bytes = CaptureBytes(sprite);
    BlendedCapture &blended = sprite.blended;
    if (blended.valid && blended.opacity == sprite.opacity) {
        std::memcpy(work, blended.bytes, bytes);
        return;
    }
    if (sprite.blendPairs != nullptr)
        BlendSpriteFromPairs(sprite.pixels, sprite.blendPairs, sprite.width, sprite.height, sprite.background, work,
                             StrideOf(sprite.width), sprite.opacity);
    else
        BlendSprite(sprite.pixels, sprite.width, sprite.height, sprite.background, work, StrideOf(sprite.width),
                    sprite.opacity);
    if (blended.bytes != nullptr && blended.lastBlendOpacity == sprite.opacity) {
        std::memcpy(blended.bytes, work, bytes);
        blended.opacity = sprite.opacity;
        blended.valid = true;
    }
    blended.lastBlendOpacity = sprite.opacity;
}

} // namespace orvalin
