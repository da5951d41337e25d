// The chooser of an installed copy (a program folder carrying the
// installation's marker) next to the portable one: where skins come from and
// where the choice goes, and what a settings folder that cannot be made
// leaves behind.
#include "chooser_fixture.h"
#include "program_places.h"
#include "user_folders.h"

#include <QDir>
#include <QImageReader>

#include <functional>
#include <unistd.h>

namespace {

constexpr forms::TextView kRestartMessage = u"Для применения настроек, перезагрузите программу";

class CopyKind : public ChooserTest, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        ChooserTest::SetUp();
        if (installed())
            folder.writeFile(ProgramPlaces::installedMarkerName(), "");
        folder.writeFile("options.dat", "Classic\r\n");
    }
    bool installed() const { return GetParam(); }

    void addUserSkin(const QString &name, const QImage &shot) const
    {
        ASSERT_TRUE(QDir().mkpath(user.skin(name)));
        ASSERT_TRUE(shot.save(user.skin(name) + "/shot.jpg", "JPG", 90));
    }

    UserFolders user;
};

QImage decoded(const QString &file)
{
    return QImageReader(file, "jpeg").read().convertToFormat(QImage::Format_RGB32);
}

TEST_P(CopyKind, UserSkinsJoinTheListOfAnInstalledCopyAndHideTheirNamesakes)
{
    addSkin("Blue");
    addSkin("Classic", patternPicture(220, 165, 1));
    addUserSkin("Classic", patternPicture(220, 165, 2));
    addUserSkin("amber", patternPicture(220, 165, 3));
    frmSkin &chooser = open();

    EXPECT_EQ(listed(chooser), installed() ? QStringList({"amber", "Blue", "Classic"})
                                           : QStringList({"Blue", "Classic"}));
    highlight(chooser, "Classic");
    const QString shownShot = installed() ? user.skin("Classic") + "/shot.jpg" : folder.path("skins/Classic/shot.jpg");
    EXPECT_EQ(shownPreview(chooser), decoded(shownShot));
}

TEST_P(CopyKind, TheChoiceGoesToTheUserFileOnlyForAnInstalledCopy)
{
    addSkin("Blue");
    frmSkin &chooser = open();
    highlight(chooser, "Blue");
    click(chooser, "cmdSelect");

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].box.text, kRestartMessage);
    if (installed()) {
        EXPECT_EQ(folder.readFile("options.dat"), "Classic\r\n");
        EXPECT_EQ(user.tree(), QStringList({"config/", "config/pellory/", "config/pellory/options.dat"}));
        QFile written(user.settingsFile());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), QByteArray("Blue\r\n"));
    } else {
        EXPECT_EQ(folder.readFile("options.dat"), "Blue\r\n");
        EXPECT_TRUE(user.tree().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Copies, CopyKind, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "Installed" : "Portable");
                         });

// A user settings file that cannot be written: the reason in Russian, the old
// choice kept on both sides, the chooser open for another try.
struct UnwritableCase {
    const char *label;
    std::function<void(const UserFolders &)> prepare;
    const char *reason;
    bool needsUnprivilegedUser;
};

void PrintTo(const UnwritableCase &testCase, std::ostream *out) { *out << testCase.label; }

class UnwritableUserSettings : public ChooserTest, public testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableUserSettings, IsReportedAndNothingIsLost)
{
    if (GetParam().needsUnprivilegedUser && ::geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    UserFolders user;
    folder.writeFile(ProgramPlaces::installedMarkerName(), "");
    folder.writeFile("options.dat", "Classic\r\n");
    addSkin("Blue");
    GetParam().prepare(user);
    const QStringList userTreeBefore = user.tree();
    frmSkin &chooser = open();
    highlight(chooser, "Blue");

    click(chooser, "cmdSelect");

    ASSERT_EQ(boxes.size(), 1u);
    const QString text = QString::fromStdU16String(boxes[0].box.text);
    EXPECT_EQ(boxes[0].box.icon, forms::MessageIcon::Critical);
    EXPECT_TRUE(text.contains(user.settingsFile())) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(GetParam().reason))) << text.toStdString();
    EXPECT_TRUE(boxes[0].chooserStillOpen);
    EXPECT_EQ(frmSkin::openInstance(), &chooser);
    EXPECT_EQ(folder.readFile("options.dat"), "Classic\r\n");
    EXPECT_EQ(user.tree(), userTreeBefore);
}

void writeUserFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnwritableUserSettings,
    testing::Values(
        UnwritableCase{"FileWhereTheSettingsFolderBelongs",
                       [](const UserFolders &user) { writeUserFile(user.settingsFolder(), "x"); },
                       "на месте папки находится файл", false},
        UnwritableCase{"FileWhereTheConfigFolderBelongs",
                       [](const UserFolders &user) { writeUserFile(user.root() + "/config", "x"); },
                       "на месте папки находится файл", false},
        UnwritableCase{"FolderWhereTheSettingsFileBelongs",
                       [](const UserFolders &user) {
                           writeUserFile(user.settingsFile() + "/keep", "x");
                       },
                       "на месте файла находится папка", false},
        UnwritableCase{"ReadOnlySettingsFolder",
                       [](const UserFolders &user) {
                           writeUserFile(user.settingsFile(), "Classic\r\n");
                           QFile::setPermissions(user.settingsFolder(), QFile::ReadOwner | QFile::ExeOwner);
                       },
                       "нет прав доступа", true}),
    [](const testing::TestParamInfo<UnwritableCase> &info) { return std::string(info.param.label); });

} // namespace
