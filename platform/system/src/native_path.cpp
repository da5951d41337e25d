#include "native_path.h"
#include "utf16.h"

#include <cstring>
#include <vector>

namespace pellory::sys {
namespace {

void appendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::optional<std::string> wideToUtf8(const WCHAR *text)
{
    std::string out;
    for (size_t i = 0; text[i] != 0; ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && isLowSurrogate(text[i + 1])) {
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            return std::nullopt;
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::string ansiToUtf8(const char *text)
{
    const int length = static_cast<int>(std::strlen(text));
    if (length == 0)
        return {};
    std::vector<WCHAR> wide(static_cast<size_t>(length) + 1, 0);
    MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), length);
    // Windows-1251 has no surrogates, so this conversion cannot fail.
    return wideToUtf8(wide.data()).value_or(std::string{});
}

std::optional<std::string> nativePathFromAnsi(const char *path)
{
    if (path == nullptr || *path == 0)
        return std::nullopt;
    return ansiToUtf8(path);
}

std::optional<std::string> nativePathFromWide(const WCHAR *path)
{
    if (path == nullptr || *path == 0)
        return std::nullopt;
    return wideToUtf8(path);
}

} // namespace pellory::sys
