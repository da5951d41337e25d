// The exports that read and write device contexts: capture and the two
// compositing calls.
#include "Orvalin.h"

#include "captured_background.h"
#include "opacity.h"
#include "sprite_table.h"
#include "work_bitmap.h"

namespace {

using orvalin::SpriteRecord;
using orvalin::WorkBitmap;

enum class Underlay { DeviceContext, CapturedBackground };

// Shared by both compositing calls; they differ only in where the work
// bitmap's first content comes from and in needing a captured background.
int Composite(int handle, HDC hdc, int x, int y, int opacityPercent, Underlay underlay)
{
    SpriteRecord *sprite = orvalin::FindSprite(handle);
    if (sprite == nullptr)
        return 0;
    // Stored before anything else is tested, and kept even if drawing fails.
    sprite->opacity = orvalin::OpacityFromPercent(opacityPercent);
    if (hdc == nullptr)
        return 0;
    if (underlay == Underlay::CapturedBackground && sprite->background == nullptr)
        return 0;
    if (sprite->opacity == 0.0f)
        return 1;
    const WorkBitmap work(hdc, sprite->width, sprite->height);
    if (!work.valid())
        return 0;
    if (underlay == Underlay::CapturedBackground) {
        orvalin::ComposeOverCapture(*sprite, work.bits());
    } else {
        work.CopyFrom(hdc, x, y);
        orvalin::BlendOver(*sprite, work.bits());
    }
    work.CopyTo(hdc, x, y);
    return 1;
}

} // namespace

extern "C" {

ORVALIN_EXTERN int WINAPI SetPalette(int handle, HDC hdc, int x, int y)
{
    SpriteRecord *sprite = orvalin::FindSprite(handle);
    if (sprite == nullptr)
        return 0;
    if (hdc == nullptr)
        return 1;
    // The old snapshot goes first: a failed capture leaves none.
    orvalin::DiscardCapture(*sprite);
    orvalin::CaptureBackground(*sprite, hdc, x, y);
    return 1;
}

ORVALIN_EXTERN int WINAPI RenderGUIResourceDC(int handle, HDC hdc, int x, int y, int opacityPercent)
{
    return Composite(handle, hdc, x, y, opacityPercent, Underlay::DeviceContext);
}

ORVALIN_EXTERN int WINAPI RenderGUISMS(int handle, HDC hdc, int x, int y, int opacityPercent)
{
    return Composite(handle, hdc, x, y, opacityPercent, Underlay::CapturedBackground);
}

} // extern "C"
