#pragma once

#include <string_view>

// The two texts of one database line. They view the line they came from.
struct MessageLineParts {
    std::u16string_view Identify;
    std::u16string_view Message;
};

// Leading spaces (U+0020 only) are dropped; the mark runs up to the first
// hyphen-minus, which is dropped; the rest is the body. Without a hyphen the
// whole rest is the mark and the body is empty. Nothing else is trimmed.
MessageLineParts SplitMessageLine(std::u16string_view line);
