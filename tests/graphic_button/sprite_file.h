// Writes sprite files: a 54-byte bitmap header and 32-bit BGRA rows, bottom row first.
#ifndef PELLORY_TESTS_SPRITE_FILE_H
#define PELLORY_TESTS_SPRITE_FILE_H

#include <cstdint>
#include <filesystem>

#include "drawing_surface.h"

// A sprite of one colour; false if the file could not be written.
bool writeSolidSprite(const std::filesystem::path &file, int width, int height, Bgra colour);

#endif
