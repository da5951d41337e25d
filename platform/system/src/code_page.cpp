// The system's ANSI code page (Windows-1251) <-> UTF-16. The byte table is
// built once through iconv; a byte that the code page leaves undefined
// decodes to U+FFFD, so nothing is ever dropped.
#include "utf16.h"
#include "windows.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

using pellory::sys::isHighSurrogate;
using pellory::sys::isLowSurrogate;

constexpr char16_t kReplacement = u'\uFFFD';

struct AnsiTable {
    std::array<char16_t, 256> toWide{};
    std::unordered_map<char16_t, unsigned char> toByte;
};

char16_t decodeOneByte(iconv_t cd, unsigned char byte)
{
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char *inPtr = in;
    char *outPtr = reinterpret_cast<char *>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
        sizeof out - outLeft != 2)
        return kReplacement;
    return static_cast<char16_t>(out[0] | (out[1] << 8));
}

const AnsiTable &ansiTable()
{
    static const AnsiTable table = [] {
        AnsiTable t;
        iconv_t cd = iconv_open("UTF-16LE", "CP1251");
        for (int b = 0; b < 256; ++b) {
            t.toWide[b] = cd == reinterpret_cast<iconv_t>(-1)
                              ? (b < 0x80 ? static_cast<char16_t>(b) : kReplacement)
                              : decodeOneByte(cd, static_cast<unsigned char>(b));
            if (t.toWide[b] != kReplacement)
                t.toByte.emplace(t.toWide[b], static_cast<unsigned char>(b));
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
        return t;
    }();
    return table;
}

bool isAnsi(UINT codePage) { return codePage == CP_ACP || codePage == 1251; }

// Length of a counted-or-NUL-terminated argument; -1 means "up to and including the NUL".
// Other negative counts are refused by the callers before this is reached.
template <typename Char> int argumentLength(const Char *text, int count)
{
    if (count >= 0)
        return count;
    int n = 0;
    while (text[n] != 0)
        ++n;
    return n + 1;
}

// Encodes `length` code units; with `out` null it only counts. A surrogate
// pair is one character and becomes one default character, as on Windows.
int encodeAnsi(const char16_t *text, int length, char *out, char fallback, bool &usedDefault)
{
    const auto &toByte = ansiTable().toByte;
    int produced = 0;
    for (int i = 0; i < length; ++i) {
        const auto found = toByte.find(text[i]);
        char byte = fallback;
        if (found != toByte.end())
            byte = static_cast<char>(found->second);
        else
            usedDefault = true;
        if (found == toByte.end() && isHighSurrogate(text[i]) && i + 1 < length &&
            isLowSurrogate(text[i + 1]))
            ++i;
        if (out != nullptr)
            out[produced] = byte;
        ++produced;
    }
    return produced;
}

} // namespace

extern "C" {

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD, LPCCH lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar)
{
    if (!isAnsi(CodePage) || lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 ||
        cchWideChar < 0)
        return 0;
    const int length = argumentLength(lpMultiByteStr, cbMultiByte);
    if (cchWideChar == 0)
        return length;
    if (lpWideCharStr == nullptr || cchWideChar < length)
        return 0;
    const auto &table = ansiTable().toWide;
    for (int i = 0; i < length; ++i)
        lpWideCharStr[i] = table[static_cast<unsigned char>(lpMultiByteStr[i])];
    return length;
}

int WINAPI WideCharToMultiByte(UINT CodePage, DWORD, LPCWCH lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                               LPBOOL lpUsedDefaultChar)
{
    if (!isAnsi(CodePage) || lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 ||
        cbMultiByte < 0)
        return 0;
    const int length = argumentLength(lpWideCharStr, cchWideChar);
    const char fallback = lpDefaultChar != nullptr ? *lpDefaultChar : '?';
    bool usedDefault = false;
    const int needed = encodeAnsi(lpWideCharStr, length, nullptr, fallback, usedDefault);
    if (lpUsedDefaultChar != nullptr)
        *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
    if (cbMultiByte == 0)
        return needed;
    if (lpMultiByteStr == nullptr || cbMultiByte < needed)
        return 0;
    return encodeAnsi(lpWideCharStr, length, lpMultiByteStr, fallback, usedDefault);
}

} // extern "C"
