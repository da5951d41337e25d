// options.dat as the chooser writes it: exact bytes, and a file that is
// either the old one or the new one whatever goes wrong.
#include "file_replace.h"
#include "program_places.h"
#include "skin_setting.h"

#include "test_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct EncodingCase {
    const char *label;
    const char16_t *name;
    std::optional<std::string> bytes;
};

void PrintTo(const EncodingCase &testCase, std::ostream *out) { *out << testCase.label; }

class SkinSettingEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(SkinSettingEncoding, GivesNameAndCrLfInWindows1251)
{
    EXPECT_EQ(encodeSkinSetting(GetParam().name), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SkinSettingEncoding,
    testing::Values(EncodingCase{"Latin", u"Winter", "Winter\r\n"},
                    EncodingCase{"Blanks", u" Blue ", " Blue \r\n"},
                    // З и м а, Ё, the euro sign: bytes of the Windows-1251 table.
                    EncodingCase{"Cyrillic", u"Зима", "\xC7\xE8\xEC\xE0\r\n"},
                    EncodingCase{"YoAndEuro", u"Ёлка€", "\xA8\xEB\xEA\xE0\x88\r\n"},
                    // Names that would not read back as the same folder.
                    EncodingCase{"Empty", u"", std::nullopt},
                    EncodingCase{"LineFeed", u"Two\nLines", std::nullopt},
                    EncodingCase{"CarriageReturn", u"Two\rLines", std::nullopt},
                    EncodingCase{"NoCodePageByte", u"雪", std::nullopt},
                    EncodingCase{"ReplacementCharacter", u"Snow\uFFFD", std::nullopt}),
    [](const testing::TestParamInfo<EncodingCase> &info) { return std::string(info.param.label); });

TEST(FileReplace, ReplacesLongerContentWholeAndKeepsPermissions)
{
    TestFolder folder;
    const QString path = folder.path("options.dat");
    folder.writeFile("options.dat", "A much longer old skin name\r\nsecond line\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);

    EXPECT_EQ(replaceFileContents(path.toStdU16String(), "Blue\r\n"), 0);

    EXPECT_EQ(folder.readFile("options.dat"), "Blue\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.entries(), QStringList{"options.dat"});
}

TEST(FileReplace, CreatesAMissingFile)
{
    TestFolder folder;
    EXPECT_EQ(saveSkinSetting(ProgramPlaces::of(folder.root().toStdU16String()), u"Зима"), std::nullopt);
    EXPECT_EQ(folder.readFile("options.dat"), "\xC7\xE8\xEC\xE0\r\n");
}

// A write that stops part way (here: the file size limit) must leave the old
// file as it was and no temporary file behind.
TEST(FileReplace, InterruptedWriteLeavesTheOldFile)
{
    TestFolder folder;
    folder.writeFile("options.dat", "Classic\r\n");
    const QString path = folder.path("options.dat");

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 3;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const int failure = replaceFileContents(path.toStdU16String(), "Winter\r\n");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(failure, EFBIG);
    EXPECT_EQ(folder.readFile("options.dat"), "Classic\r\n");
    EXPECT_EQ(folder.entries(), QStringList{"options.dat"});
}

} // namespace
