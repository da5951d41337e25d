// The process-wide table of 100 sprite slots; a handle h names slot h - 1.
#ifndef ORVALIN_SPRITE_TABLE_H
#define ORVALIN_SPRITE_TABLE_H

#include <cstdint>

namespace orvalin {

// A blend over the captured background, kept in spare room of the capture's
// own heap block: drawing again at the same opacity (the common case: every
// pointer move and timer tick redraws all buttons) is one copy. A blend is
// kept once its opacity comes twice in a row; while the opacity changes at
// every call (the pointer moving near the button) a kept copy would never
// be read.
struct BlendedCapture {
    uint8_t *bytes = nullptr; // null: the capture was too large to keep one
    float opacity = 0.0f;
    bool valid = false;
    float lastBlendOpacity = 0.0f; // of the latest blend, kept or not; 0: none yet
};

struct SpriteRecord {
    int32_t width;
    int32_t height;
    uint8_t *pixels;     // width * height * 4 bytes: blue, green, red, alpha; bottom row first
    float opacity;       // the last drawing call's converted opacity
    uint8_t *background; // captured 24-bit rectangle, or null
    uint8_t pixelsBorrowed;
    BlendedCapture blended;
    const uint8_t *blendPairs; // the sprite and the capture paired for the blend kernel, or null
};

constexpr int kSlotCount = 100;

// The record a handle names, or null when the handle is invalid.
SpriteRecord *FindSprite(int handle);

// Index of the first empty slot, or -1 when the table is full.
int FirstEmptySlot();

// Hands a heap-allocated record to an empty slot; returns its handle.
int OccupySlot(int slot, SpriteRecord *record);

// Frees the record a handle names and empties its slot; false for an invalid handle.
bool ReleaseSprite(int handle);

} // namespace orvalin

#endif
