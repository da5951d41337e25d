// The sprite's captured background: taking it, dropping it, and compositing
// the sprite over it into a work bitmap.
#ifndef ORVALIN_CAPTURED_BACKGROUND_H
#define ORVALIN_CAPTURED_BACKGROUND_H

#include "sprite_table.h"

#include <windows.h>

namespace orvalin {

// Snapshots the sprite-sized rectangle of `hdc` at (x, y); on any failure
// the sprite is left without a captured background.
void CaptureBackground(SpriteRecord &sprite, HDC hdc, int x, int y);

void DiscardCapture(SpriteRecord &sprite);

// Fills `work` (a bottom-up 24-bit bitmap of the sprite's size) with the
// sprite blended at its current opacity over the captured background.
void ComposeOverCapture(SpriteRecord &sprite, uint8_t *work);

// Blends the sprite at its current opacity over what `work` holds.
void BlendOver(const SpriteRecord &sprite, uint8_t *work);

} // namespace orvalin

#endif
