// Pictures in the Windows backend: 32-bit pixels in memory.
#ifndef PELLORY_FORMS_PICTURE_H
#define PELLORY_FORMS_PICTURE_H

#include <cstdint>
#include <vector>

namespace forms {

// Top row first, B G R and an unused byte each, rows without padding:
// bgra.size() == width * height * 4. Empty by default.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
};

} // namespace forms

#endif
