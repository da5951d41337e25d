#include "program_folder.h"

#include "category_sprite.h"
#include "command_faces.h"
#include "message_database.h"
#include "palette_reduction.h"
#include "program_icon.h"
#include "skin_background.h"
#include "skin_preview.h"
#include "sprite_file.h"
#include "windows1251.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <stdexcept>

namespace pellory::assets {
namespace {

constexpr int kJpegQuality = 92;

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        fail(QStringLiteral("%1: cannot create its folder").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()));
}

QByteArray encodeImage(const QImage &image, const char *format, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (qstrcmp(format, "jpg") == 0)
        writer.setQuality(kJpegQuality);
    if (!writer.write(image))
        fail(QStringLiteral("%1: cannot encode: %2").arg(path, writer.errorString()));
    return bytes;
}

void writeImage(const QString &path, const QImage &image, const char *format)
{
    writeFile(path, encodeImage(image, format, path));
}

void writeSkin(const QString &skinsFolder, const SkinStyle &style,
               const std::array<QImage, kCategoryCount> &sprites)
{
    const QString folder = skinsFolder + QLatin1Char('/') + QLatin1String(style.name);
    const QImage background = paintSkinBackground(style);
    writeImage(folder + QStringLiteral("/background.jpg"), background, "jpg");

    std::array<QImage, 4> faces;
    WindowPieces pieces{&background, {}, {}};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const FaceDesign &design = faceDesigns()[i];
        faces[i] = paintCommandFace(style, background, design);
        writeImage(folder + QLatin1Char('/') + QLatin1String(design.button->faceFile), faces[i],
                   "jpg");
        pieces.faces[i] = &faces[i];
    }
    for (std::size_t k = 0; k < sprites.size(); ++k)
        pieces.sprites[k] = &sprites[k];
    writeImage(folder + QStringLiteral("/shot.jpg"), paintSkinPreview(style, pieces), "jpg");
}

std::array<QImage, kCategoryCount> writeSprites(const QString &dataFolder)
{
    std::array<QImage, kCategoryCount> sprites;
    for (int k = 0; k < kCategoryCount; ++k) {
        sprites[static_cast<std::size_t>(k)] = paintCategorySprite(k);
        writeFile(QStringLiteral("%1/but%2.dat").arg(dataFolder).arg(k + 1),
                  encodeSpriteFile(sprites[static_cast<std::size_t>(k)]));
    }
    return sprites;
}

void writeOptions(const QString &path)
{
    const std::optional<QByteArray> name =
        encodeWindows1251(QString::fromLatin1(defaultSkin().name));
    writeFile(path, name.value() + "\r\n");
}

void copyLicense(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        fail(QStringLiteral("%1: cannot read: %2").arg(from, source.errorString()));
    writeFile(to, source.readAll());
}

} // namespace

void generateProgramFolder(const GeneratorInputs &inputs)
{
    const QString out = inputs.outputFolder;
    // Messages first: bad input should fail before anything is written.
    const QByteArray database = buildMessageDatabase(readMessageSources(inputs.messagesFolder));

    const std::array<QImage, kCategoryCount> sprites = writeSprites(out + QStringLiteral("/Data"));
    for (const SkinStyle &style : bundledSkins())
        writeSkin(out + QStringLiteral("/skins"), style, sprites);
    writeFile(out + QStringLiteral("/skins/skinruls.7z"), database);
    writeOptions(out + QStringLiteral("/options.dat"));
    copyLicense(inputs.licenseFile, out + QStringLiteral("/license.txt"));
    const QImage windowIcon = reduceTo256Colours(paintSmallProgramIcon());
    writeImage(out + QStringLiteral("/pellory.png"), windowIcon, "png");
    if (!inputs.windowsIconFile.isEmpty())
        writeImage(inputs.windowsIconFile, windowIcon, "ico");
    writeImage(out + QStringLiteral("/pellory-256.png"), paintProgramIcon(256), "png");
}

} // namespace pellory::assets
