#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The encoding a phone picks for a text: the GSM 7-bit alphabet when every
// character is in its default table or extension table, UCS-2 otherwise.
enum class SmsEncoding { Gsm7, Ucs2 };

struct SmsLength {
    SmsEncoding encoding;
    // Septets for GSM 7-bit (an extension character takes two), UTF-16 code
    // units for UCS-2: the units the part limits are counted in.
    std::int64_t characters;
    // 0 for the empty text: there is nothing to send.
    std::int64_t parts;

    friend bool operator==(const SmsLength &, const SmsLength &) = default;
};

// Units one part holds: 160 GSM / 70 UCS-2 when the text fits one part; in a
// longer text every part loses room to its concatenation header.
inline constexpr int SinglePartGsm7 = 160;
inline constexpr int SinglePartUcs2 = 70;
inline constexpr int MultiPartGsm7 = 153;
inline constexpr int MultiPartUcs2 = 67;

// Counts `text` (UTF-16). A longer text is cut into parts the way phones cut
// it: an extension character's two septets and a surrogate pair's two code
// units stay in one part, so a part may end one unit short.
SmsLength MeasureSms(std::u16string_view text);

// The meter's text, e.g. u"64 симв. · 1 SMS".
std::u16string SmsMeterText(const SmsLength &length);
