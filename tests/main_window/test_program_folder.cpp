#include "test_program_folder.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "windows.h"

namespace {

void put16(std::string &bytes, std::uint16_t value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void put32(std::string &bytes, std::uint32_t value)
{
    put16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

std::string toWindows1251(const std::string &utf8)
{
    const std::u16string text = QString::fromStdString(utf8).toStdU16String();
    if (text.empty())
        return {};
    const auto *wide = reinterpret_cast<LPCWCH>(text.data());
    const int length = static_cast<int>(text.size());
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

QImage gradient(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 5) & 0xFF, (y * 3) & 0xFF, 90));
    return picture;
}

} // namespace

SpritePixel testSpritePixel(int x, int yFromTop)
{
    return {static_cast<std::uint8_t>(x * 6), static_cast<std::uint8_t>(yFromTop * 6), 200,
            static_cast<std::uint8_t>(((x + yFromTop) * 7) % 256)};
}

std::string spriteFileBytes(int width, int height)
{
    const std::uint32_t imageSize = static_cast<std::uint32_t>(width * height * 4);
    std::string bytes = "BM";
    put32(bytes, 54 + imageSize);
    put32(bytes, 0);  // two reserved words
    put32(bytes, 54); // offset of the pixels
    put32(bytes, 40); // information header size
    put32(bytes, static_cast<std::uint32_t>(width));
    put32(bytes, static_cast<std::uint32_t>(height));
    put16(bytes, 1);  // planes
    put16(bytes, 32); // bits per pixel
    put32(bytes, 0);  // no compression
    put32(bytes, imageSize);
    for (int unused = 0; unused < 4; ++unused)
        put32(bytes, 0); // resolutions and colour counts
    for (int row = height - 1; row >= 0; --row)
        for (int x = 0; x < width; ++x) {
            const SpritePixel p = testSpritePixel(x, row);
            bytes += {static_cast<char>(p.blue), static_cast<char>(p.green),
                      static_cast<char>(p.red), static_cast<char>(p.alpha)};
        }
    return bytes;
}

TestProgramFolder::TestProgramFolder() : path_(dir_.path())
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QDir(path_).mkpath(QStringLiteral("Data"));
    for (int k = 1; k <= 6; ++k)
        writeFile(QStringLiteral("Data/but%1.dat").arg(k),
                  spriteFileBytes(TestSpriteSide, TestSpriteSide));
    writeSkin();
    writeFile(QStringLiteral("options.dat"), std::string(SkinName) + "\r\n");
    writeDatabase({});
    linkSpriteLibrary();
}

void TestProgramFolder::writeSkin() const
{
    const QString skin = QStringLiteral("skins/") + SkinName + '/';
    QDir(path_).mkpath(skin);
    writePicture(skin + "background.jpg", gradient(460, 294));
    for (const char *name : {"random.jpg", "send.jpg", "right.jpg", "left.jpg", "shot.jpg"})
        writePicture(skin + name, gradient(16, 16));
}

void TestProgramFolder::linkSpriteLibrary() const
{
    const QString target = QStringLiteral(ORVALIN_LIBRARY_FILE);
    if (!QFile::link(target, file(QStringLiteral("libOrvalin.so"))))
        throw std::runtime_error("cannot link the sprite library");
}

void TestProgramFolder::writePicture(const QString &relative, const QImage &picture) const
{
    if (!picture.save(file(relative), "JPG", 95))
        throw std::runtime_error("cannot write a picture");
}

void TestProgramFolder::writeFile(const QString &relative, const std::string &bytes) const
{
    QFile out(file(relative));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write a test file");
}

void TestProgramFolder::removeFile(const QString &relative) const
{
    QFile::remove(file(relative));
}

void TestProgramFolder::writeDatabase(const std::vector<TestMessage> &messages) const
{
    std::string bytes;
    for (const TestMessage &m : messages)
        bytes += toWindows1251(m.mark + "-" + m.body) + "\r\n";
    writeFile(QStringLiteral("skins/skinruls.7z"), bytes);
}

QImage TestProgramFolder::background() const
{
    return QImage(file(QStringLiteral("skins/") + SkinName + "/background.jpg"))
        .convertToFormat(QImage::Format_RGB32);
}
