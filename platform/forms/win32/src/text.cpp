#include "forms/text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace forms {
namespace {

int checkedLength(std::size_t length)
{
    if (length > static_cast<std::size_t>(INT_MAX))
        throw std::length_error("text longer than the system converts at once");
    return static_cast<int>(length);
}

} // namespace

// Without MB_ERR_INVALID_CHARS, each malformed sequence becomes U+FFFD.
Text textFromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = checkedLength(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    Text text(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, reinterpret_cast<LPWSTR>(text.data()), units);
    return text;
}

// A surrogate without its partner stands as "?", as in the Qt backend
// (WideCharToMultiByte would write U+FFFD).
static Text withStraySurrogatesReplaced(TextView text)
{
    Text replaced(text);
    for (std::size_t i = 0; i < replaced.size(); ++i) {
        const bool high = replaced[i] >= 0xD800 && replaced[i] <= 0xDBFF;
        const bool low = replaced[i] >= 0xDC00 && replaced[i] <= 0xDFFF;
        const bool pairedHigh = high && i + 1 < replaced.size() && replaced[i + 1] >= 0xDC00 && replaced[i + 1] <= 0xDFFF;
        if (pairedHigh)
            ++i;
        else if (high || low)
            replaced[i] = u'?';
    }
    return replaced;
}

std::string textToUtf8(TextView original)
{
    if (original.empty())
        return {};
    const Text text = withStraySurrogatesReplaced(original);
    const int length = checkedLength(text.size());
    const auto *wide = reinterpret_cast<LPCWSTR>(text.data());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

// Ordinal with Windows' own upper-case table, as Explorer sorts names.
int compareIgnoringCase(TextView a, TextView b)
{
    const int result = CompareStringOrdinal(reinterpret_cast<LPCWCH>(a.data()), checkedLength(a.size()),
                                            reinterpret_cast<LPCWCH>(b.data()), checkedLength(b.size()), TRUE);
    return result - CSTR_EQUAL;
}

} // namespace forms
