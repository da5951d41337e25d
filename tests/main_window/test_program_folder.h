// A complete program folder in a temporary folder, made of small hand-made
// files: a skin of tiny JPEG pictures, six sprite files written byte by byte,
// a settings file, a message database and a link to the sprite library.
#ifndef PELLORY_TEST_PROGRAM_FOLDER_H
#define PELLORY_TEST_PROGRAM_FOLDER_H

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

struct SpritePixel {
    std::uint8_t blue, green, red, alpha;
};

// The sprite every test button uses: width x height, colours and alphas
// varying over the box, alpha 0 and 255 both present.
inline constexpr int TestSpriteSide = 40;
SpritePixel testSpritePixel(int x, int yFromTop);

// The bytes of a sprite file: both headers and the pixels, bottom row first.
std::string spriteFileBytes(int width, int height);

// One message line of the database: category mark and body, as UTF-8.
struct TestMessage {
    std::string mark;
    std::string body;
};

class TestProgramFolder {
public:
    static constexpr char SkinName[] = "Test";

    TestProgramFolder();

    const QString &path() const { return path_; }
    QString file(const QString &relative) const { return path_ + '/' + relative; }

    // Writes the database, each line ended by CR LF, in Windows-1251.
    void writeDatabase(const std::vector<TestMessage> &messages) const;
    void writeFile(const QString &relative, const std::string &bytes) const;
    void removeFile(const QString &relative) const;
    // The skin's background picture as the program decodes it.
    QImage background() const;

private:
    void writePicture(const QString &relative, const QImage &picture) const;
    void writeSkin() const;
    void linkSpriteLibrary() const;

    QTemporaryDir dir_;
    QString path_;
};

#endif
