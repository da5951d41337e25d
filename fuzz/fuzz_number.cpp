// Bytes -> the number box text (one code unit per byte) -> ReadTypedNumber.
#include "ReadTypedNumber.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::u16string withoutBlanks(const std::u16string &text)
{
    std::u16string kept;
    for (char16_t c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            kept += c;
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text(data, data + size);
    const std::int32_t value = ReadTypedNumber(text);
    // Blanks never change the reading, and neither does text after the number.
    if (ReadTypedNumber(withoutBlanks(text)) != value || ReadTypedNumber(text + u"#") != value)
        __builtin_trap();
    return 0;
}
