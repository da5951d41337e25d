#pragma once

#include <cstdint>
#include <string_view>

// Reads what the user typed into the number box as a whole number.
//
// Blanks, tabs and line feeds are removed wherever they stand before anything
// else is looked at, so "1 2" reads as 12 and "- 3" as -3. What remains is
// read from its start, as far as it forms a number:
//   [sign] digits [. digits] [E|D [sign] digits]   (E/D in either case)
// or &H followed by hexadecimal digits, or &O followed by octal digits.
// Reading stops at the first character that does not fit; no digits at all
// (including "&H" alone, or "." alone) gives 0. A decimal value is rounded to
// the nearest integer, an exact half going to the even neighbour.
//
// Any value outside the signed 32-bit range gives 0. This holds for &H and &O
// too: their digits are read as a plain non-negative magnitude, so
// "&HFFFFFFFF" (4294967295) gives 0 rather than a two's-complement -1, and
// "&H7FFFFFFF" gives 2147483647.
std::int32_t ReadTypedNumber(std::u16string_view text);
