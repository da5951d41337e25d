// Rectangles and colours in the framework's own terms.
#ifndef PELLORY_FORMS_GEOMETRY_H
#define PELLORY_FORMS_GEOMETRY_H

#include <cstdint>

namespace forms {

// Pixels: the left and top edges and the size.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size &, const Size &) = default;
};

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color &, const Color &) = default;
};

} // namespace forms

#endif
