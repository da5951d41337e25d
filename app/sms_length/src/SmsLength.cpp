#include "SmsLength.h"

#include "GsmAlphabet.h"

#include <string>

namespace {

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool fitsGsm7(std::u16string_view text)
{
    for (char16_t unit : text)
        if (GsmSeptets(unit) == 0)
            return false;
    return true;
}

// Units of the character that starts at `at`: what may not be split.
int characterUnits(std::u16string_view text, std::size_t at, SmsEncoding encoding)
{
    if (encoding == SmsEncoding::Gsm7)
        return GsmSeptets(text[at]);
    const bool pair = isHighSurrogate(text[at]) && at + 1 < text.size() &&
                      isLowSurrogate(text[at + 1]);
    return pair ? 2 : 1;
}

} // namespace

SmsLength MeasureSms(std::u16string_view text)
{
    const SmsEncoding encoding = fitsGsm7(text) ? SmsEncoding::Gsm7 : SmsEncoding::Ucs2;
    const bool gsm = encoding == SmsEncoding::Gsm7;
    const std::int64_t single = gsm ? SinglePartGsm7 : SinglePartUcs2;
    const std::int64_t room = gsm ? MultiPartGsm7 : MultiPartUcs2;

    std::int64_t characters = 0;
    std::int64_t parts = 0;
    std::int64_t usedInPart = room; // a full "part 0", so the first character opens part 1
    for (std::size_t at = 0; at < text.size();) {
        const int units = characterUnits(text, at, encoding);
        if (usedInPart + units > room) {
            ++parts;
            usedInPart = 0;
        }
        usedInPart += units;
        characters += units;
        at += gsm ? 1 : static_cast<std::size_t>(units); // a GSM unit is one code unit
    }
    if (characters > 0 && characters <= single)
        parts = 1;
    return {encoding, characters, parts};
}

std::u16string SmsMeterText(const SmsLength &length)
{
    const auto digits = [](std::int64_t value) {
        const std::string text = std::to_string(value);
        return std::u16string(text.begin(), text.end());
    };
    return digits(length.characters) + u" симв. · " + digits(length.parts) + u" SMS";
}
