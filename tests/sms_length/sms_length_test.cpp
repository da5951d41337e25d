#include "SmsLength.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::u16string times(std::u16string_view piece, int count)
{
    std::u16string text;
    for (int k = 0; k < count; ++k)
        text += piece;
    return text;
}

struct MeasureCase {
    const char *what;
    std::u16string text;
    SmsLength expected;
};

constexpr SmsEncoding Gsm = SmsEncoding::Gsm7;
constexpr SmsEncoding Ucs = SmsEncoding::Ucs2;
const std::u16string Emoji = u"\U0001F600"; // a surrogate pair

TEST(MeasureSms, CountsUnitsAndPartsOfBothEncodings)
{
    const std::vector<MeasureCase> cases = {
        {"empty text: nothing to send", u"", {Gsm, 0, 0}},
        {"GSM 160 is one part", times(u"a", 160), {Gsm, 160, 1}},
        {"GSM 161 needs two", times(u"a", 161), {Gsm, 161, 2}},
        {"GSM 306 fills two parts of 153", times(u"a", 306), {Gsm, 306, 2}},
        {"GSM 307 needs three", times(u"a", 307), {Gsm, 307, 3}},
        {"UCS-2 70 is one part", times(u"я", 70), {Ucs, 70, 1}},
        {"UCS-2 71 needs two", times(u"я", 71), {Ucs, 71, 2}},
        {"UCS-2 134 fills two parts of 67", times(u"я", 134), {Ucs, 134, 2}},
        {"UCS-2 135 needs three", times(u"я", 135), {Ucs, 135, 3}},
        {"one Cyrillic letter switches a Latin text to UCS-2", times(u"a", 69) + u"я", {Ucs, 70, 1}},
        {"the default table beyond ASCII stays GSM", u"@£$¥èÇ\nΔΩß¡¿§äà¤", {Gsm, 16, 1}},
        {"a backtick is in neither GSM table", u"`", {Ucs, 1, 1}},
        {"a Greek letter outside the table", u"Α", {Ucs, 1, 1}},
        {"extension characters take two septets", u"^{}\\[~]|€\f", {Gsm, 20, 1}},
        {"80 extension characters fill one part", times(u"€", 80), {Gsm, 160, 1}},
        {"one septet more needs two parts", times(u"€", 80) + u"a", {Gsm, 161, 2}},
        {"an extension character is not split between parts",
         times(u"a", 152) + u"€" + times(u"a", 152), {Gsm, 306, 3}},
        {"a surrogate pair is two code units", times(Emoji, 35), {Ucs, 70, 1}},
        {"two code units more than one part", times(Emoji, 35) + u"a", {Ucs, 71, 2}},
        {"a surrogate pair is not split between parts",
         times(u"я", 66) + Emoji + times(u"я", 66), {Ucs, 134, 3}},
        {"a lone surrogate counts as one unit", u"\xD83D" + times(u"я", 69), {Ucs, 70, 1}},
        {"a low surrogate first is no pair", u"\xDE00\xD83D", {Ucs, 2, 1}},
    };
    for (const MeasureCase &c : cases) {
        const SmsLength seen = MeasureSms(c.text);
        EXPECT_EQ(seen.encoding, c.expected.encoding) << c.what;
        EXPECT_EQ(seen.characters, c.expected.characters) << c.what;
        EXPECT_EQ(seen.parts, c.expected.parts) << c.what;
    }
}

TEST(SmsMeterText, ReadsCharactersThenParts)
{
    EXPECT_EQ(SmsMeterText({Ucs, 64, 1}), u"64 симв. · 1 SMS");
    EXPECT_EQ(SmsMeterText({Gsm, 0, 0}), u"0 симв. · 0 SMS");
    EXPECT_EQ(SmsMeterText({Gsm, 1234, 9}), u"1234 симв. · 9 SMS");
}

} // namespace
