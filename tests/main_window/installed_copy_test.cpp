// Startup of an installed copy (a program folder carrying the installation's
// marker) next to a portable one: which settings file is read and which
// folder the chosen skin's pictures come from.
#include <QDir>

#include "main_window_fixture.h"
#include "program_places.h"
#include "user_folders.h"

namespace {

struct ReadingCase {
    const char *label;
    bool installed;
    const char *userSetting; // nullptr: no user settings file
    QStringList userSkins;
    const char *shownSkin; // the skin whose background must show; "" for the bundled one
};

void PrintTo(const ReadingCase &testCase, std::ostream *out) { *out << testCase.label; }

class SettingsReadingOrder : public MainWindowTest, public ::testing::WithParamInterface<ReadingCase> {
protected:
    // A copy of the bundled skin with a background of one colour of its own.
    void addUserSkin(const QString &name, QRgb colour) const
    {
        const QString skin = user.skin(name);
        ASSERT_TRUE(QDir().mkpath(skin));
        for (const char *picture : {"random.jpg", "send.jpg", "right.jpg", "left.jpg"})
            ASSERT_TRUE(QFile::copy(folder.file(QStringLiteral("skins/Test/") + picture), skin + '/' + picture));
        QImage background(460, 294, QImage::Format_RGB32);
        background.fill(colour);
        ASSERT_TRUE(background.save(skin + "/background.jpg", "JPG", 95));
    }

    UserFolders user;
};

TEST_P(SettingsReadingOrder, StartsWithTheSkinTheRightFileNamesFromTheRightFolder)
{
    const ReadingCase &reading = GetParam();
    if (reading.installed)
        folder.writeFile(QString::fromLatin1(ProgramPlaces::installedMarkerName()), "");
    if (reading.userSetting != nullptr) {
        ASSERT_TRUE(QDir().mkpath(user.settingsFolder()));
        QFile file(user.settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reading.userSetting);
    }
    for (int index = 0; index < reading.userSkins.size(); ++index)
        addUserSkin(reading.userSkins[index], qRgb(200, 40 * index, 60));
    const QStringList userTreeBefore = user.tree();

    frmMain &window = start();

    ASSERT_TRUE(messageBoxes.empty()) << forms::textToUtf8(messageBoxes[0].text);
    const QString shown = QString::fromLatin1(reading.shownSkin);
    const QImage expected = shown.isEmpty() ? folder.background()
                                            : QImage(user.skin(shown) + "/background.jpg").convertToFormat(QImage::Format_RGB32);
    // A corner no control covers.
    EXPECT_EQ(window.surfaceSnapshot().pixel(5, 5), expected.pixel(5, 5));
    EXPECT_EQ(user.tree(), userTreeBefore) << "startup writes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Copies, SettingsReadingOrder,
    ::testing::Values(
        ReadingCase{"InstalledReadsTheUserFileFirst", true, "Mine\r\n", {"Mine"}, "Mine"},
        ReadingCase{"InstalledWithoutUserFileReadsTheProgramFolder", true, nullptr, {}, ""},
        ReadingCase{"UserSkinHidesTheBundledOneOfItsName", true, nullptr, {"Test"}, "Test"},
        ReadingCase{"PortableIgnoresTheUserFolders", false, "Mine\r\n", {"Mine", "Test"}, ""}),
    [](const ::testing::TestParamInfo<ReadingCase> &info) { return std::string(info.param.label); });

} // namespace
