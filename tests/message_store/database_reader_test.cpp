#include "LoadedRecords.h"
#include "MessageDatabaseReader.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct GrammarCase {
    const char *name;
    std::string bytes;
    std::vector<Loaded> expected;
};

// Windows-1251 bytes spelled out, so expectations never go through a decoder.
const std::string kPrivetCp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
// The code page's one undefined byte, 0x98: Windows' own table gives the C1
// control of the same value, the Linux system layer marks it U+FFFD. Either
// way it stays one code unit and the line keeps its length.
#ifdef _WIN32
constexpr char16_t kUndefinedByte = u'\u0098';
#else
constexpr char16_t kUndefinedByte = u'\uFFFD';
#endif

const std::vector<GrammarCase> kGrammarCases = {
    {"worked example",
     "  3-Good morning - see you at ten\r\n5 - Call me back\r\n",
     {{u"3", u"Good morning - see you at ten"}, {u"5 ", u" Call me back"}}},
    {"leading tabs stay in the mark", "\t\t2-x\r\n  \t4-y", {{u"\t\t2", u"x"}, {u"\t4", u"y"}}},
    {"further hyphens belong to the body", "1-a-b--c-", {{u"1", u"a-b--c-"}}},
    {"no hyphen: the line is the mark", "   abc def  ", {{u"abc def  ", u""}}},
    {"leading hyphen: empty mark", "-body", {{u"", u"body"}}},
    {"blanks only", "    \r\n", {{u"", u""}}},
    {"empty line in the middle", "1-a\r\n\r\n2-b\r\n", {{u"1", u"a"}, {u"", u""}, {u"2", u"b"}}},
    {"empty last line", "1-a\r\n\r\n", {{u"1", u"a"}, {u"", u""}}},
    {"last line without an end", "1-a\r\n2-b", {{u"1", u"a"}, {u"2", u"b"}}},
    {"empty file", "", {}},
    {"a line end only", "\r\n", {{u"", u""}}},
    {"LF only", "1-a\n2-b\n", {{u"1", u"a"}, {u"2", u"b"}}},
    {"CR only", "1-a\r2-b\r", {{u"1", u"a"}, {u"2", u"b"}}},
    {"mixed line ends",
     "1-a\r\n2-b\n3-c\r4-d",
     {{u"1", u"a"}, {u"2", u"b"}, {u"3", u"c"}, {u"4", u"d"}}},
    {"CR before CR LF is an empty line", "1-a\r\r\n2-b", {{u"1", u"a"}, {u"", u""}, {u"2", u"b"}}},
    {"LF CR is two line ends", "1-a\n\r2-b", {{u"1", u"a"}, {u"", u""}, {u"2", u"b"}}},
    {"Cyrillic text", "6-" + kPrivetCp1251 + "!", {{u"6", u"Привет!"}}},
    {"Cyrillic mark", kPrivetCp1251 + "-x", {{u"Привет", u"x"}}},
    {"upper half symbols", "1-\x88\xB9\xA8\xAB\xBB\x96\x85",
     {{u"1", u"\u20AC\u2116\u0401\u00AB\u00BB\u2013\u2026"}}},
    {"undefined byte 0x98 is kept as one code unit", "1-a\x98z\r\n\x98-b",
     {{u"1", std::u16string{u'a', kUndefinedByte, u'z'}}, {std::u16string(1, kUndefinedByte), u"b"}}},
    {"NUL byte is kept", std::string("1-a\0b", 5), {{u"1", std::u16string(u"a\0b", 3)}}},
};

TEST(DatabaseGrammar, EachLineBecomesOneRecordInFileOrder)
{
    const TempFolder folder;
    for (const GrammarCase &grammarCase : kGrammarCases) {
        SCOPED_TRACE(grammarCase.name);
        ClassMessageContainer store;
        int notices = 0;
        ReadMessageDatabase(folder.write("skinruls.7z", grammarCase.bytes), store,
                            [&](const std::u16string &) { ++notices; });
        EXPECT_EQ(loadedRecords(store), grammarCase.expected);
        EXPECT_EQ(notices, 0);
    }
}

TEST(DatabaseGrammar, BytesEntryPointReadsLikeTheFile)
{
    for (const GrammarCase &grammarCase : kGrammarCases) {
        SCOPED_TRACE(grammarCase.name);
        ClassMessageContainer store;
        ReadMessageDatabaseBytes(grammarCase.bytes, store, {});
        EXPECT_EQ(loadedRecords(store), grammarCase.expected);
    }
}

TEST(DatabaseGrammar, WorkedExampleFiltersByExactMark)
{
    const TempFolder folder;
    ClassMessageContainer store;
    ReadMessageDatabase(folder.write("db", kGrammarCases[0].bytes), store, {});
    store.SetFilter(u"3");
    EXPECT_EQ(store.GetCountFiltredMessage(), 1);
    store.SetFilter(u"5");
    EXPECT_EQ(store.GetCountFiltredMessage(), 0);
    store.SetFilter(u"");
    EXPECT_EQ(store.GetCountFiltredMessage(), 2);
}

// Far beyond any buffer the reader uses; nothing may be cut.
TEST(DatabaseGrammar, VeryLongLineIsKeptWhole)
{
    constexpr std::size_t kLength = 3'000'000;
    std::string body(kLength, '\xE0'); // Cyrillic a
    for (std::size_t i = 0; i < kLength; i += 4099)
        body[i] = '-';
    const TempFolder folder;
    ClassMessageContainer store;
    ReadMessageDatabase(folder.write("db", "2-" + body + "\r\n1-short"), store, {});
    ASSERT_EQ(store.GetCountTotalMessage(), 2);
    const std::u16string_view loaded = store.GetRecord(0).Message;
    ASSERT_EQ(loaded.size(), kLength);
    for (std::size_t i = 0; i < kLength; ++i)
        ASSERT_EQ(loaded[i], i % 4099 == 0 ? u'-' : u'\u0430') << "at " << i;
    EXPECT_EQ(store.GetRecord(1).Message, u"short");
}

TEST(DatabaseFile, MissingFileThrowsNamingTheFile)
{
    const TempFolder folder;
    const auto missing = folder.path() / "skins" / "skinruls.7z";
    ClassMessageContainer store;
    try {
        ReadMessageDatabase(missing, store, {});
        FAIL() << "no exception";
    } catch (const MessageDatabaseError &error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(store.GetCountTotalMessage(), 0);
}

TEST(DatabaseFile, FolderInPlaceOfTheFileThrows)
{
    const TempFolder folder;
    ClassMessageContainer store;
    EXPECT_THROW(ReadMessageDatabase(folder.path(), store, {}), MessageDatabaseError);
}

} // namespace
