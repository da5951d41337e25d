// Pictures in the Windows backend: 32-bit pixels in memory.
#ifndef PELLORY_FORMS_PICTURE_H
#define PELLORY_FORMS_PICTURE_H

#include <cstdint>
#include <vector>

#include "forms/picture_error.h"
#include "forms/text.h"

namespace forms {

// Top row first, B G R and an unused byte each, rows without padding:
// bgra.size() == width * height * 4. Empty by default.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
};

// Loads a JPEG (or any other format the system's imaging component reads)
// at its own size. Throws PictureError naming the file on failure; left
// uncaught, that ends the program with a report.
Picture loadPicture(TextView file);

} // namespace forms

#endif
