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
    // One block for both, so the heap sees exactly one allocation per capture.
    const bool roomForBlend = bytes <= kBlendedCopyLimit;
    uint8_t *background = AllocateBytes(roomForBlend ? 2 * bytes : bytes);
    if (background == nullptr)
        return;
    std::memcpy(background, capture.bits(), bytes);
    sprite.background = background;
    sprite.blended = BlendedCapture{roomForBlend ? background + bytes : nullptr};
}

void DiscardCapture(SpriteRecord &sprite)
{
    FreeBytes(sprite.background);
    sprite.background = nullptr;
    sprite.blended = BlendedCapture{};
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
