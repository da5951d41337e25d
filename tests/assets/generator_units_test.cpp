// The generator's building blocks, checked against hand-worked bytes.
#include "message_database.h"
#include "palette_reduction.h"
#include "sprite_file.h"
#include "window_layout.h"
#include "windows1251.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace pellory::assets {
namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

TEST(SpriteFile, HeaderAndBottomUpStraightAlphaPixels)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 0x80)); // top row
    image.setPixel(1, 0, qRgba(0x40, 0x50, 0x60, 0xFF));
    image.setPixel(0, 1, qRgba(0x01, 0x02, 0x03, 0x00)); // bottom row
    image.setPixel(1, 1, qRgba(0xAA, 0xBB, 0xCC, 0x7F));

    const QByteArray expected =
        bytes({'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                   // file header
               40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, // info header
               16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
        bytes({0x03, 0x02, 0x01, 0x00, 0xCC, 0xBB, 0xAA, 0x7F}) + // bottom row first: B G R A
        bytes({0x30, 0x20, 0x10, 0x80, 0x60, 0x50, 0x40, 0xFF});
    EXPECT_EQ(encodeSpriteFile(image), expected);
}

TEST(SpriteFile, PremultipliedInputIsStoredStraight)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(200, 100, 50, 128));
    const QByteArray written = encodeSpriteFile(image);
    ASSERT_EQ(written.size(), 58);
    // Premultiplying and back costs at most one step of rounding.
    EXPECT_NEAR(static_cast<unsigned char>(written[54]), 50, 1);
    EXPECT_NEAR(static_cast<unsigned char>(written[55]), 100, 1);
    EXPECT_NEAR(static_cast<unsigned char>(written[56]), 200, 1);
    EXPECT_EQ(static_cast<unsigned char>(written[57]), 128);
}

TEST(WindowLayout, CommandFacesAndWhatTheirContainersShow)
{
    struct Case {
        const CommandButton *button;
        QSize size;
        QPoint origin;
        QRect visible;
    };
    const Case cases[] = {
        {&kRandomButton, {173, 38}, {144, 181}, {3, 0, 168, 32}},
        {&kSendButton, {173, 38}, {144, 240}, {3, 0, 168, 31}},
        {&kRightButton, {41, 33}, {282, 213}, {8, 0, 25, 26}},
        {&kLeftButton, {41, 33}, {139, 213}, {8, 0, 25, 26}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button->faceFile);
        EXPECT_EQ(faceSize(*c.button), c.size);
        EXPECT_EQ(faceOrigin(*c.button), c.origin);
        EXPECT_EQ(visibleFacePart(*c.button), c.visible);
    }
    EXPECT_EQ(toPixels(kMessageArea), QRect(QPoint(72, 56), QPoint(376, 168)));
    EXPECT_EQ(kClientSize, QSize(460, 294));
    EXPECT_EQ(twipsToPixels(-50), -3);
    EXPECT_EQ(twipsToPixels(-120), -8);
}

TEST(Windows1251, EncodesRussianTextAndRefusesWhatItCannot)
{
    EXPECT_EQ(encodeWindows1251(QStringLiteral("Любовь ё Ё №")),
              bytes({0xCB, 0xFE, 0xE1, 0xEE, 0xE2, 0xFC, 0x20, 0xB8, 0x20, 0xA8, 0x20, 0xB9}));
    EXPECT_EQ(encodeWindows1251(QStringLiteral("– «»")), bytes({0x96, 0x20, 0xAB, 0xBB}));

    char32_t refused = 0;
    EXPECT_FALSE(encodeWindows1251(QStringLiteral("ok 😀"), &refused).has_value());
    EXPECT_EQ(refused, U'😀');
    EXPECT_FALSE(encodeWindows1251(QStringLiteral("Straße"), &refused).has_value());
    EXPECT_EQ(refused, U'ß');
}

TEST(MessageSource, AcceptsLineEndsAndByteOrderMark)
{
    const std::vector<QByteArray> expected{"ok", bytes({0xC4, 0xE0}) /* "Да" */, "a-b"};
    const QByteArray sources[] = {
        "ok\nДа\na-b\n",
        "ok\nДа\na-b",
        "ok\r\nДа\r\na-b\r\n",
        "\xEF\xBB\xBFok\nДа\na-b\n",
    };
    for (const QByteArray &source : sources) {
        SCOPED_TRACE(source.toStdString());
        EXPECT_EQ(parseMessageSource(source, QStringLiteral("c.txt")), expected);
    }
}

TEST(MessageSource, RefusesBadMessagesNamingFileAndLine)
{
    struct Case {
        QByteArray source;
        const char *reason;
    };
    const Case cases[] = {
        {"one\n\nthree\n", "c.txt:2: message is empty"},
        {"one\n   \n", "c.txt:2: message is empty"},
        {"one\rtwo\n", "c.txt:1: message contains a line break (U+000D)"},
        {"one\ntwo\u2028three\n", "c.txt:2: message contains a line break (U+2028)"},
        {"bell\x07\n", "c.txt:1: message contains a control character (U+0007)"},
        {"ok\nbad \xFF byte\n", "c.txt:2: message is not valid UTF-8"},
        {"ok\nok\nsmile \xF0\x9F\x98\x80\n", "c.txt:3: message has a character Windows-1251"},
        {"", "c.txt: no messages"},
        {"\n", "c.txt:1: message is empty"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.reason);
        try {
            parseMessageSource(c.source, QStringLiteral("c.txt"));
            ADD_FAILURE() << "accepted";
        } catch (const MessageSourceError &error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
    }
}

TEST(MessageDatabase, TakesTheCategoriesInTurnWithCrLf)
{
    CategoryMessages messages;
    messages[0] = {"a1", "a2", "a3"};
    messages[2] = {"c1"};
    messages[5] = {"f1", "f2"};
    EXPECT_EQ(buildMessageDatabase(messages),
              QByteArray("1-a1\r\n3-c1\r\n6-f1\r\n1-a2\r\n6-f2\r\n1-a3\r\n"));
}

TEST(MessageDatabase, RefusesMoreThanTheProgramLoads)
{
    CategoryMessages messages;
    messages[0].assign(kDatabaseCapacity, "x");
    EXPECT_EQ(buildMessageDatabase(messages).count('\n'), kDatabaseCapacity);
    messages[1].push_back("one too many");
    EXPECT_THROW(buildMessageDatabase(messages), MessageSourceError);
}

// Largest difference in any channel, alpha included, between two pictures.
int largestChannelError(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int shift : {0, 8, 16, 24})
                largest = std::max(largest, std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)));
        }
    return largest;
}

TEST(PaletteReduction, KeepsFewColoursExactlyAndRichOnesClose)
{
    QImage few(16, 16, QImage::Format_ARGB32);   // 256 colours, partial alpha among them
    QImage rich(512, 1, QImage::Format_ARGB32);  // 512: a blue ramp at two alphas
    for (int k = 0; k < 256; ++k) {
        few.setPixel(k % 16, k / 16, qRgba(k, 255 - k, k / 2, k));
        rich.setPixel(k, 0, qRgba(0, 0, k, 128));
        rich.setPixel(256 + k, 0, qRgba(0, 0, k, 255));
    }
    const struct {
        const char *what;
        QImage image;
        int allowedError;
    } cases[] = {{"256 colours", few, 0}, {"512 colours", rich, 1}};
    for (const auto &c : cases) {
        const QImage reduced = reduceTo256Colours(c.image);
        EXPECT_EQ(reduced.format(), QImage::Format_Indexed8) << c.what;
        EXPECT_LE(reduced.colorCount(), 256) << c.what;
        EXPECT_LE(largestChannelError(reduced.convertToFormat(QImage::Format_ARGB32), c.image),
                  c.allowedError)
            << c.what;
    }
}

TEST(MessageSource, AMissingSourceIsReportedWithItsCategorysName)
{
    QTemporaryDir folder;
    for (int k = 1; k <= 2; ++k) {
        QFile source(folder.filePath(QStringLiteral("category-%1.txt").arg(k)));
        ASSERT_TRUE(source.open(QIODevice::WriteOnly));
        source.write("message\n");
    }
    try {
        readMessageSources(folder.path());
        ADD_FAILURE() << "accepted";
    } catch (const MessageSourceError &error) {
        EXPECT_NE(std::string(error.what()).find("category-3.txt (category «Работа и учёба»)"),
                  std::string::npos)
            << error.what();
    }
}

// Both READMEs list the categories as the program names them, in mark order.
TEST(CategoryNames, TheReadmesNameTheCategoriesInOrder)
{
    for (const char *readme : {"README.md", "assets/messages/README.md"}) {
        SCOPED_TRACE(readme);
        QFile file(QString::fromUtf8(PELLORY_SOURCE_DIR "/") + QString::fromLatin1(readme));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        qsizetype previous = -1;
        for (const std::string_view name : categories::Names) {
            const qsizetype at = text.indexOf(QByteArray(name.data(), qsizetype(name.size())), previous + 1);
            EXPECT_GT(at, previous) << name;
            previous = at;
        }
    }
}

} // namespace
} // namespace pellory::assets
