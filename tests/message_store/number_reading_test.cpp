#include "ReadTypedNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TypedCase {
    std::u16string typed;
    std::int32_t expected;
};

std::string printable(const std::u16string &text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return '"' + out + '"';
}

void expectAll(const std::vector<TypedCase> &cases)
{
    for (const TypedCase &typed : cases)
        EXPECT_EQ(ReadTypedNumber(typed.typed), typed.expected) << printable(typed.typed);
}

TEST(ReadTypedNumber, ExamplesOfTheNumberBox)
{
    expectAll({{u"12ab", 12}, {u" 1", 1}, {u"", 0}, {u"-3", -3}, {u"2.5", 2}, {u"3.5", 4},
               {u"&H1F", 31}, {u"1e3", 1000}, {u"9e99", 0}});
}

TEST(ReadTypedNumber, BlanksTabsAndLineFeedsAreSkippedAnywhere)
{
    expectAll({{u"1 2", 12}, {u"\t7\n", 7}, {u"- 3", -3}, {u"1 e 3", 1000}, {u"2 . 5", 2},
               {u"&H 1 F", 31}, {u"& H1F", 31}, {u"   ", 0},
               // only those three: a carriage return or a no-break space ends the number
               {u"1\r2", 1}, {u"1\u00A02", 1}});
}

TEST(ReadTypedNumber, RoundsHalvesToEven)
{
    expectAll({{u"0.5", 0}, {u"1.5", 2}, {u"-2.5", -2}, {u"-3.5", -4}, {u"-0.4", 0},
               {u"2.4999", 2}, {u"2.5001", 3}, {u".5", 0}, {u"7.", 7}, {u"25e-1", 2},
               {u"35D-1", 4}});
}

TEST(ReadTypedNumber, ReadsAsFarAsTheTextFormsANumber)
{
    expectAll({{u"abc", 0}, {u".", 0}, {u"-", 0}, {u"+5", 5}, {u"--1", 0}, {u"007", 7},
               {u"1-", 1}, {u"1.2.3", 1}, {u"1,5", 1}, {u"1e", 1}, {u"1e+", 1}, {u"1E-x", 1},
               {u"1d2", 100}, {u"1D+2", 100}, {u"0x10", 0}, {u"\uFF11", 0}, {u"1\uFF12", 1},
               {std::u16string(u"12\0003", 4), 12}});
}

TEST(ReadTypedNumber, HexadecimalAndOctal)
{
    expectAll({{u"&h1f", 31}, {u"&HfF", 255}, {u"&H1G", 1}, {u"&O17", 15}, {u"&o17", 15},
               {u"&O78", 7}, {u"&O8", 0}, {u"&H", 0}, {u"&O", 0}, {u"&", 0}, {u"&X1", 0},
               {u"-&H10", 0}, {u"&H-1", 0}, {u"&H0000000000001", 1}});
}

// &H and &O digits are a non-negative magnitude: no two's-complement wrap.
TEST(ReadTypedNumber, OutsideSigned32BitsGivesZero)
{
    expectAll({{u"2147483647", 2147483647}, {u"2147483648", 0}, {u"-2147483648", -2147483647 - 1},
               {u"-2147483649", 0}, {u"2147483646.5", 2147483646}, {u"2147483647.5", 0},
               {u"-2147483648.5", -2147483647 - 1}, {u"1e999", 0}, {u"-1e999", 0},
               {u"1e-999", 0}, {u"0e99999999999", 0}, {u"&H7FFFFFFF", 2147483647},
               {u"&H80000000", 0}, {u"&HFFFFFFFF", 0}, {u"&O17777777777", 2147483647},
               {u"&O20000000000", 0}, {u"&HFFFFFFFFFFFFFFFFFFFF", 0}});
}

TEST(ReadTypedNumber, LongDigitRuns)
{
    expectAll({{std::u16string(5000, u'0') + u"42", 42},
               {u"1" + std::u16string(400, u'0'), 0},
               {u"0." + std::u16string(400, u'0') + u"1e405", 10000}});
}

} // namespace
