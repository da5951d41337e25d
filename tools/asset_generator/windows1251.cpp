#include "windows1251.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace pellory::assets {
namespace {

class Converter {
public:
    Converter() : handle_(iconv_open("CP1251", "UTF-32LE"))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert to Windows-1251 on this system");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // One character at a time keeps the failing character known and the
    // output bounded: Windows-1251 has one byte a character.
    std::optional<char> convert(char32_t character)
    {
        char in[4];
        for (int i = 0; i < 4; ++i)
            in[i] = static_cast<char>((character >> (8 * i)) & 0xFFu);
        char out[8];
        char *inPointer = in;
        char *outPointer = out;
        size_t inLeft = sizeof in;
        size_t outLeft = sizeof out;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle_, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1) ||
            outPointer - out != 1)
            return std::nullopt;
        return out[0];
    }

private:
    iconv_t handle_;
};

} // namespace

std::optional<QByteArray> encodeWindows1251(const QString &text, char32_t *unencodable)
{
    Converter converter;
    QByteArray encoded;
    for (const uint code : text.toUcs4()) {
        const auto character = static_cast<char32_t>(code);
        const std::optional<char> byte = converter.convert(character);
        if (!byte) {
            if (unencodable)
                *unencodable = character;
            return std::nullopt;
        }
        encoded.append(*byte);
    }
    return encoded;
}

} // namespace pellory::assets
