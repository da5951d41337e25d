// Reading sprite files (the 32-bit uncompressed subset of the bitmap file
// format, pixel data always at offset 54) into the sprite table.
#ifndef ORVALIN_SPRITE_LOADER_H
#define ORVALIN_SPRITE_LOADER_H

#include <windows.h>

namespace orvalin {

enum class SizeLimit { UpTo64, Unbounded };

// Whether an information header describes a sprite this library accepts.
bool AcceptsInfoHeader(const BITMAPINFOHEADER &info, SizeLimit limit);

// Reads the sprite from a file opened at its start into the given empty
// slot; returns its handle, or 0 with nothing allocated.
int LoadSpriteFile(HANDLE file, int slot, SizeLimit limit);

} // namespace orvalin

#endif
