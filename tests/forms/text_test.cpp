// The application's UTF-16 text and its UTF-8 edges (built for both backends).
#include <gtest/gtest.h>

#include "forms/text.h"

namespace {

TEST(Text, Utf8RoundTripsAndMalformedBytesBecomeReplacementCharacters)
{
    struct Case {
        std::string utf8;
        forms::Text text;
        bool roundTrips;
    };
    const Case cases[] = {
        {"", u"", true},
        {"Pellory 1.0", u"Pellory 1.0", true},
        {"\xD0\x9B\xD1\x8E\xD0\xB1\xD0\xBE\xD0\xB2\xD1\x8C", u"\u041B\u044E\u0431\u043E\u0432\u044C", true},
        {"\xF0\x9F\x98\x80", u"\xD83D\xDE00", true}, // outside the BMP: a surrogate pair
        {std::string("a\0b", 3), forms::Text(u"a\0b", 3), true},
        {"a\xFF" "b", u"a\uFFFDb", false},
        {"\xD0", u"\uFFFD", false}, // cut short
    };
    for (const Case &c : cases) {
        EXPECT_EQ(forms::textFromUtf8(c.utf8), c.text) << c.utf8;
        if (c.roundTrips) {
            EXPECT_EQ(forms::textToUtf8(c.text), c.utf8) << c.utf8;
        }
    }
}

TEST(Text, StraySurrogatesBecomeQuestionMarksInUtf8)
{
    const std::pair<forms::Text, std::string> cases[] = {
        {forms::Text(u"lone") + char16_t(0xD800), "lone?"},
        {forms::Text(1, char16_t(0xDC00)) + u"x", "?x"},
        {forms::Text(1, char16_t(0xDE00)) + char16_t(0xD83D), "??"}, // a pair in the wrong order
        {u"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
    };
    for (const auto &[text, utf8] : cases)
        EXPECT_EQ(forms::textToUtf8(text), utf8) << utf8;
}

} // namespace
