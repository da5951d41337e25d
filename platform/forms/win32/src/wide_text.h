// forms::Text and the wide strings the W functions take are the same UTF-16
// code units under two types (wchar_t is 16 bits on Windows).
#ifndef PELLORY_FORMS_WIN32_WIDE_TEXT_H
#define PELLORY_FORMS_WIN32_WIDE_TEXT_H

#include <string>
#include <string_view>

#include "forms/text.h"

namespace forms {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// Null-terminated, for the W functions.
inline std::wstring toWide(TextView text) { return std::wstring(text.begin(), text.end()); }

inline Text fromWide(std::wstring_view wide) { return Text(wide.begin(), wide.end()); }

} // namespace forms

#endif
