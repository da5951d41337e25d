// The generated program folder, read back with the readers the program uses.
#include "ClassMessageContainer.h"
#include "MessageDatabaseReader.h"

#ifdef PELLORY_HAVE_ORVALIN
#include "Orvalin.h"
#endif

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const QString kProgramFolder = QStringLiteral(PELLORY_PROGRAM_DIR);

QByteArray readAll(const QString &relative)
{
    QFile file(kProgramFolder + QLatin1Char('/') + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    return file.readAll();
}

std::uint32_t littleEndian(const QByteArray &bytes, int offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

QString spriteFile(int category) { return QStringLiteral("Data/but%1.dat").arg(category); }

TEST(GeneratedSprites, HeadersAreThe32BitFormatTheLibraryReads)
{
    for (int category = 1; category <= 6; ++category) {
        SCOPED_TRACE(category);
        const QByteArray file = readAll(spriteFile(category));
        ASSERT_GE(file.size(), 54);
        const std::uint32_t width = littleEndian(file, 18, 4);
        const std::uint32_t height = littleEndian(file, 22, 4);
        EXPECT_EQ(file.left(2), QByteArray("BM"));
        EXPECT_EQ(littleEndian(file, 10, 4), 54u);
        EXPECT_EQ(littleEndian(file, 14, 4), 40u);
        EXPECT_TRUE(width >= 40 && width <= 44 && height >= 40 && height <= 44);
        EXPECT_EQ(littleEndian(file, 26, 2), 1u);
        EXPECT_EQ(littleEndian(file, 28, 2), 32u);
        EXPECT_EQ(littleEndian(file, 30, 4), 0u);
        EXPECT_EQ(littleEndian(file, 34, 4), width * height * 4);
        EXPECT_EQ(littleEndian(file, 46, 4), 0u);
        EXPECT_EQ(littleEndian(file, 50, 4), 0u);
        EXPECT_EQ(static_cast<std::uint32_t>(file.size()), 54 + width * height * 4);
    }
}

TEST(GeneratedSprites, AreRoundButtonsWithSoftEdges)
{
    for (int category = 1; category <= 6; ++category) {
        SCOPED_TRACE(category);
        const QByteArray file = readAll(spriteFile(category));
        const int side = static_cast<int>(littleEndian(file, 18, 4));
        const auto alphaAt = [&](int x, int yFromTop) {
            const int row = side - 1 - yFromTop;
            return static_cast<unsigned char>(file[54 + (row * side + x) * 4 + 3]);
        };
        EXPECT_EQ(alphaAt(0, 0), 0);               // corners are clear
        EXPECT_EQ(alphaAt(side - 1, side - 1), 0);
        EXPECT_EQ(alphaAt(side / 2, side / 2), 255); // the disc is opaque
        bool partial = false;                       // anti-aliased rim
        for (int x = 0; x < side / 2; ++x)
            partial = partial || (alphaAt(x, side / 2) > 0 && alphaAt(x, side / 2) < 255);
        EXPECT_TRUE(partial);
    }
}

#ifdef PELLORY_HAVE_ORVALIN
TEST(GeneratedSprites, LoadThroughTheSpriteLibrary)
{
    for (int category = 1; category <= 6; ++category) {
        SCOPED_TRACE(category);
        const QByteArray path =
            (kProgramFolder + QLatin1Char('/') + spriteFile(category)).toLocal8Bit();
        const int handle = LoadGUIResourceA(path.constData());
        ASSERT_NE(handle, 0);
        OrvalinSize size{};
        GetGUIResourceSize(handle, &size);
        EXPECT_EQ(size.width, static_cast<int>(littleEndian(readAll(spriteFile(category)), 18, 4)));
        EXPECT_EQ(size.height, size.width);
        EXPECT_EQ(UnLoadGUIResource(handle), 1);
    }
}
#endif

QStringList skinFolders()
{
    return QDir(kProgramFolder + QStringLiteral("/skins"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(GeneratedSkins, EveryPictureLoadsAtItsSize)
{
    ASSERT_EQ(skinFolders(), QStringList({"Classic", "Night", "Winter"}));
    const struct {
        const char *file;
        QSize size;
    } pictures[] = {
        {"background.jpg", {460, 294}}, {"random.jpg", {173, 38}}, {"send.jpg", {173, 38}},
        {"right.jpg", {41, 33}},        {"left.jpg", {41, 33}},    {"shot.jpg", {220, 165}},
    };
    for (const QString &skin : skinFolders()) {
        for (const auto &picture : pictures) {
            const QString path = QStringLiteral("%1/skins/%2/%3").arg(kProgramFolder, skin,
                                                                      QLatin1String(picture.file));
            SCOPED_TRACE(path.toStdString());
            const QImage image(path, "JPG");
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), picture.size);
        }
    }
}

QColor meanColour(const QImage &image, const QRect &area)
{
    long long red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    const long long n = static_cast<long long>(area.width()) * area.height();
    return QColor(static_cast<int>(red / n), static_cast<int>(green / n),
                  static_cast<int>(blue / n));
}

int colourDistance(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// The preview is the window (client area plus a thin frame, a title and a
// menu bar) shrunk to 220 x 165: about 0.47 of a client pixel per pixel.
TEST(GeneratedSkins, PreviewShowsTheWindowInItsSkin)
{
    for (const QString &skin : skinFolders()) {
        SCOPED_TRACE(skin.toStdString());
        const QString folder = QStringLiteral("%1/skins/%2/").arg(kProgramFolder, skin);
        const QImage shot(folder + QStringLiteral("shot.jpg"));
        const QImage background(folder + QStringLiteral("background.jpg"));
        ASSERT_FALSE(shot.isNull() || background.isNull());

        // Client ~166..250 x 66..108, inside the message area.
        const QColor messageArea = meanColour(shot, QRect(80, 56, 40, 20));
        EXPECT_GT(messageArea.blue(), 180);
        EXPECT_LT(messageArea.red() + messageArea.green(), 120);

        // The scenery strip left of the message area: client 8..60 x 60..170.
        const QColor shotStrip = meanColour(shot, QRect(5, 54, 23, 50));
        const QColor backgroundStrip = meanColour(background, QRect(8, 60, 52, 110));
        EXPECT_LT(colourDistance(shotStrip, backgroundStrip), 60);
    }
}

// A sprite pixel (b, g, r, a from the file) at `percent` opacity over `under`.
QColor restingBlend(const QByteArray &sprite, int offset, QRgb under, double percent)
{
    const double a = static_cast<unsigned char>(sprite[offset + 3]) / 255.0 * percent / 100.0;
    const auto mix = [&](int source, int target) { return int(source * a + target * (1 - a)); };
    return QColor(mix(static_cast<unsigned char>(sprite[offset + 2]), qRed(under)),
                  mix(static_cast<unsigned char>(sprite[offset + 1]), qGreen(under)),
                  mix(static_cast<unsigned char>(sprite[offset]), qBlue(under)));
}

// The button column (x 410..453, y 10..283) is an even bed without scenery,
// and a button at rest (30 %) shows a light tint of its hue that stands apart
// from the bed, never a dark, muddy disc.
TEST(GeneratedSkins, ButtonColumnIsCalmAndRestingButtonsReadClearly)
{
    const QRect column(410, 10, 44, 274);
    for (const QString &skin : skinFolders()) {
        SCOPED_TRACE(skin.toStdString());
        const QImage background(
            QStringLiteral("%1/skins/%2/background.jpg").arg(kProgramFolder, skin), "JPG");
        ASSERT_FALSE(background.isNull());
        const QColor bed = meanColour(background, column);
        int roughest = 0;
        for (int y = column.top(); y <= column.bottom(); ++y)
            for (int x = column.left(); x <= column.right(); ++x)
                roughest = std::max(roughest, colourDistance(QColor(background.pixel(x, y)), bed));
        EXPECT_LE(roughest, 40) << "scenery in the button column"; // JPEG ringing stays below

        for (int category = 1; category <= 6; ++category) {
            SCOPED_TRACE(category);
            const QByteArray sprite = readAll(spriteFile(category));
            const int side = static_cast<int>(littleEndian(sprite, 18, 4));
            long long red = 0, green = 0, blue = 0, n = 0;
            // The lower half of the disc's rim: no symbol, no gloss.
            for (int y = side / 2 + 4; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const double r = std::hypot(x + 0.5 - side / 2.0, y + 0.5 - side / 2.0);
                    if (r < 14 || r > 18)
                        continue;
                    const QColor seen = restingBlend(sprite, 54 + ((side - 1 - y) * side + x) * 4,
                                                     background.pixel(410 + x, 10 + 46 * (category - 1) + y), 30);
                    red += seen.red(), green += seen.green(), blue += seen.blue(), ++n;
                }
            ASSERT_GT(n, 0);
            const QColor disc(int(red / n), int(green / n), int(blue / n));
            EXPECT_GE(disc.value(), 150) << "a dark resting disc";
            EXPECT_GE(colourDistance(disc, bed), 40) << "the resting disc blends into the bed";
        }
    }
}

TEST(GeneratedSkins, OptionsNameAnExistingSkin)
{
    const QByteArray options = readAll(QStringLiteral("options.dat"));
    ASSERT_TRUE(options.endsWith("\r\n"));
    const QString name = QString::fromLatin1(options.chopped(2));
    EXPECT_FALSE(name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')));
    EXPECT_TRUE(skinFolders().contains(name)) << name.toStdString();
}

TEST(GeneratedDatabase, LoadsThroughTheProgramsReader)
{
    ClassMessageContainer store;
    int notices = 0;
    ReadMessageDatabase((kProgramFolder + QStringLiteral("/skins/skinruls.7z")).toStdString(),
                        store, [&](const std::u16string &) { ++notices; });
    EXPECT_EQ(notices, 0);

    int categorised = 0;
    for (char16_t mark = u'1'; mark <= u'6'; ++mark) {
        store.SetFilter(std::u16string(1, mark));
        EXPECT_GE(store.GetCountFiltredMessage(), 100) << static_cast<char>(mark);
        categorised += store.GetCountFiltredMessage();
    }
    EXPECT_EQ(categorised, store.GetCountTotalMessage()); // no stray marks
    for (int slot = 0; slot < store.GetCountTotalMessage(); ++slot) {
        const std::u16string_view body = store.GetRecord(slot).Message;
        EXPECT_FALSE(body.empty()) << "record " << slot;
        EXPECT_EQ(body.find(u'\uFFFD'), std::u16string_view::npos) << "record " << slot;
    }
}

TEST(GeneratedDatabase, EveryLineEndsWithCrLf)
{
    const QByteArray database = readAll(QStringLiteral("skins/skinruls.7z"));
    ASSERT_TRUE(database.endsWith("\r\n"));
    EXPECT_EQ(database.count('\n'), database.count("\r\n"));
    EXPECT_EQ(database.count('\r'), database.count("\r\n"));
}

TEST(GeneratedFolder, CarriesTheLicenceAndIcons)
{
    QFile license(QStringLiteral(PELLORY_SOURCE_DIR "/LICENSE"));
    ASSERT_TRUE(license.open(QIODevice::ReadOnly));
    EXPECT_EQ(readAll(QStringLiteral("license.txt")), license.readAll());

    const QImage icon(kProgramFolder + QStringLiteral("/pellory.png"));
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_LE(icon.colorCount(), 256);
    EXPECT_EQ(QImage(kProgramFolder + QStringLiteral("/pellory-256.png")).size(), QSize(256, 256));
}

// What the 256-colour reduction used to spoil: the body's gradient darkens
// smoothly down every column, between the dots too, and the tail keeps
// its soft edge.
TEST(GeneratedFolder, SmallIconKeepsItsGradientAndSoftTail)
{
    const QImage icon =
        QImage(kProgramFolder + QStringLiteral("/pellory.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    for (int x : {4, 12, 19, 26}) {
        for (int y = 6; y <= 19; ++y) {
            const QRgb above = icon.pixel(x, y - 1), here = icon.pixel(x, y);
            SCOPED_TRACE(testing::Message() << "x " << x << " y " << y);
            EXPECT_EQ(qAlpha(here), 255);
            for (int shift : {0, 8, 16}) { // blue, green, red
                const int upper = (above >> shift) & 0xFF, lower = (here >> shift) & 0xFF;
                EXPECT_TRUE(lower <= upper && upper - lower <= 6) << upper << " then " << lower;
            }
        }
    }
    bool soft = false;
    for (int y = 22; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            soft = soft || (qAlpha(icon.pixel(x, y)) > 0 && qAlpha(icon.pixel(x, y)) < 255);
    EXPECT_TRUE(soft);
}

} // namespace
