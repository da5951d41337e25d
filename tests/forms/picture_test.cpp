// Loading pictures: good files load at their own size, bad ones raise an
// error that names the file.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "forms/picture.h"

namespace {

TEST(LoadPicture, LoadsAJpegAsA32BitPictureOfItsOwnSize)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("shot.jpg"));
    QImage source(220, 165, QImage::Format_RGB32);
    source.fill(QColor(0, 0, 255));
    ASSERT_TRUE(source.save(file, "JPEG"));

    const QImage picture = forms::loadPicture(file.toStdU16String());
    EXPECT_EQ(picture.size(), QSize(220, 165));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    const QColor centre = picture.pixelColor(110, 80);
    EXPECT_LE(centre.red(), 8); // JPEG is lossy: nearly pure blue
    EXPECT_GE(centre.blue(), 247);
}

TEST(LoadPicture, MissingEmptyOrForeignFilesRaiseAnErrorNamingTheFile)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.jpg"));
    const QString text = dir.filePath(QStringLiteral("Зима/background.jpg"));
    const QString truncated = dir.filePath(QStringLiteral("truncated.jpg"));
    QFile(empty).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Зима")));
    QFile textFile(text);
    ASSERT_TRUE(textFile.open(QIODevice::WriteOnly));
    textFile.write("not a picture at all\r\n");
    textFile.close();
    QFile jpegHeaderOnly(truncated);
    ASSERT_TRUE(jpegHeaderOnly.open(QIODevice::WriteOnly));
    jpegHeaderOnly.write("\xFF\xD8\xFF\xE0", 4);
    jpegHeaderOnly.close();
    // Its size and format can be read, but not all of its pixels.
    const QString halfPicture = dir.filePath(QStringLiteral("half.png"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage pattern(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            pattern.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) & 255));
    ASSERT_TRUE(pattern.save(&buffer, "PNG"));
    QFile halfFile(halfPicture);
    ASSERT_TRUE(halfFile.open(QIODevice::WriteOnly));
    halfFile.write(png.left(png.size() / 2));
    halfFile.close();

    for (const QString &file :
         {dir.filePath(QStringLiteral("missing.jpg")), empty, text, truncated, halfPicture, dir.path()}) {
        try {
            forms::loadPicture(file.toStdU16String());
            ADD_FAILURE() << "no error for " << file.toStdString();
        } catch (const forms::PictureError &error) {
            EXPECT_NE(error.message().find(file.toStdU16String()), forms::Text::npos) << error.what();
        }
    }
}

} // namespace
