// Text as the application sees it: UTF-16, the code units Windows' wide
// functions take, so that windows and files name no toolkit string type.
#ifndef PELLORY_FORMS_TEXT_H
#define PELLORY_FORMS_TEXT_H

#include <string>
#include <string_view>

namespace forms {

using Text = std::u16string;
using TextView = std::u16string_view;

// Conversions at the edges (error reports, file names handed to the C
// library). Nothing is dropped: a malformed UTF-8 sequence becomes U+FFFD,
// a stray surrogate becomes "?".
Text textFromUtf8(std::string_view utf8);
std::string textToUtf8(TextView text);

// Negative, zero or positive as `a` sorts before, with or after `b` when
// upper and lower case count as the same letter (Latin, Cyrillic and the rest).
int compareIgnoringCase(TextView a, TextView b);

} // namespace forms

#endif
