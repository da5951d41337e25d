// UTF-16 surrogate tests shared by the text conversions.
#ifndef PELLORY_SYSTEM_UTF16_H
#define PELLORY_SYSTEM_UTF16_H

namespace pellory::sys {

inline bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace pellory::sys

#endif
