#include "ReadTypedNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr double kSmallest = std::numeric_limits<std::int32_t>::min();

bool isSkipped(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Walks the text as if the skipped characters were not there. A cursor is a
// cheap value, so a copy serves as look-ahead.
class Cursor {
public:
    explicit Cursor(std::u16string_view text) : text_(text) { skipBlanks(); }

    // The current character, or 0 at the end (0 never fits a number either).
    char16_t peek() const { return position_ < text_.size() ? text_[position_] : u'\0'; }

    void advance()
    {
        ++position_;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (position_ < text_.size() && isSkipped(text_[position_]))
            ++position_;
    }

    std::u16string_view text_;
    std::size_t position_ = 0;
};

bool isDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int digitValue(char16_t c)
{
    if (isDecimalDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// The digits after &H or &O, read as a non-negative magnitude.
std::int32_t readRadixInteger(Cursor &in, int radix)
{
    std::int64_t value = 0;
    for (int digit = digitValue(in.peek()); digit >= 0 && digit < radix;
         digit = digitValue(in.peek())) {
        value = value * radix + digit;
        if (value > kLargest)
            return 0; // more digits can only make it larger
        in.advance();
    }
    return static_cast<std::int32_t>(value);
}

bool appendDigits(Cursor &in, std::string &number)
{
    bool any = false;
    for (; isDecimalDigit(in.peek()); in.advance(), any = true)
        number += static_cast<char>(in.peek());
    return any;
}

void appendSign(Cursor &in, std::string &number)
{
    if (in.peek() == u'-' || in.peek() == u'+') {
        if (in.peek() == u'-')
            number += '-';
        in.advance();
    }
}

// An exponent counts only when at least one digit follows the letter and its
// sign; otherwise "1e" and "1e+" stop before the letter and read as 1.
void appendExponent(Cursor &in, std::string &number)
{
    const char16_t letter = in.peek();
    if (letter != u'E' && letter != u'e' && letter != u'D' && letter != u'd')
        return;
    Cursor ahead = in;
    ahead.advance();
    std::string exponent = "e";
    appendSign(ahead, exponent);
    if (!appendDigits(ahead, exponent))
        return;
    number += exponent;
    in = ahead;
}

std::int32_t roundToInt32(double value)
{
    // The default rounding mode sends an exact half to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= kSmallest && rounded <= static_cast<double>(kLargest)))
        return 0;
    return static_cast<std::int32_t>(rounded);
}

std::int32_t readDecimal(Cursor &in)
{
    std::string number; // ASCII form for the locale-independent from_chars
    appendSign(in, number);
    bool anyDigit = appendDigits(in, number);
    if (in.peek() == u'.') {
        number += '.';
        in.advance();
        anyDigit = appendDigits(in, number) || anyDigit;
    }
    if (!anyDigit)
        return 0;
    appendExponent(in, number);

    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    // Out of range either way: too large for 32 bits, or so small it is 0.
    if (parsed.ec != std::errc())
        return 0;
    return roundToInt32(value);
}

} // namespace

std::int32_t ReadTypedNumber(std::u16string_view text)
{
    Cursor in(text);
    if (in.peek() != u'&')
        return readDecimal(in);
    in.advance();
    const char16_t kind = in.peek();
    in.advance();
    if (kind == u'H' || kind == u'h')
        return readRadixInteger(in, 16);
    if (kind == u'O' || kind == u'o')
        return readRadixInteger(in, 8);
    return 0;
}
