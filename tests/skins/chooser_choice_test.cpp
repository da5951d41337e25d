// The chooser's preview and its one output, options.dat: what is written on
// "Выбрать", what is left alone otherwise, and what the user is told.
#include "chooser_fixture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace {

constexpr forms::TextView kRestartMessage = u"Для применения настроек, перезагрузите программу";
const std::string kOldSetting = "Classic\r\n";

QImage decodedIndependently(const QString &file)
{
    QImageReader reader(file, "jpeg");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

class ChooserChoice : public ChooserTest {
protected:
    void SetUp() override
    {
        ChooserTest::SetUp();
        folder.writeFile("options.dat", kOldSetting);
        // An old time stamp, so that any rewrite shows.
        QFile file(folder.path("options.dat"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(kOldTime, QFileDevice::FileModificationTime));
    }

    void expectSettingUntouched()
    {
        EXPECT_EQ(folder.readFile("options.dat"), kOldSetting);
        EXPECT_EQ(folder.modified("options.dat"), kOldTime);
        EXPECT_EQ(folder.entries(), (QStringList{"options.dat", "skins"}));
    }

    const QDateTime kOldTime = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
};

TEST_F(ChooserTest, EachHighlightReplacesThePreviewWithThatSkinsShot)
{
    addSkin("Blue", patternPicture(220, 165, 1));
    addSkin("Classic", patternPicture(220, 165, 2));
    frmSkin &chooser = open();

    highlight(chooser, "Classic");
    const QImage classic = decodedIndependently(folder.path("skins/Classic/shot.jpg"));
    EXPECT_EQ(shownPreview(chooser), classic);

    highlight(chooser, "Blue");
    const QImage blue = decodedIndependently(folder.path("skins/Blue/shot.jpg"));
    EXPECT_NE(blue, classic);
    EXPECT_EQ(shownPreview(chooser), blue);
}

TEST_F(ChooserTest, ALargerShotIsShownAtItsOwnSizeAndCutOff)
{
    addSkin("Wide", patternPicture(300, 200, 3));
    frmSkin &chooser = open();
    highlight(chooser, "Wide");
    EXPECT_EQ(shownPreview(chooser), decodedIndependently(folder.path("skins/Wide/shot.jpg")).copy(0, 0, 220, 165));
}

// A skin without a usable shot.jpg shows no preview, and not the previous
// skin's either; the program goes on.
TEST_F(ChooserTest, UnreadableShotGivesAnEmptyPreview)
{
    addSkin("Good", patternPicture(220, 165, 4));
    addSkin("NoShot");
    addSkin("Garbage");
    folder.writeFile("skins/Garbage/shot.jpg", "\xFF\xD8\xFF\xE0 not really a JPEG");
    addSkin("ShotIsAFolder");
    folder.makeFolder("skins/ShotIsAFolder/shot.jpg");
    frmSkin &chooser = open();

    for (const char *broken : {"NoShot", "Garbage", "ShotIsAFolder"}) {
        highlight(chooser, "Good");
        ASSERT_FALSE(previewIsEmpty(chooser));
        highlight(chooser, broken);
        EXPECT_TRUE(previewIsEmpty(chooser)) << broken;
    }
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_TRUE(boxes.empty());
}

struct ChoiceCase {
    const char *label;
    const char16_t *skin;
    std::string fileBytes;
};

void PrintTo(const ChoiceCase &testCase, std::ostream *out) { *out << testCase.label; }

class ChooserSelect : public ChooserChoice, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChooserSelect, WritesTheNameAndCrLfClosesThenTellsToRestart)
{
    const QString skin = QString::fromUtf16(GetParam().skin);
    addSkin("Blue");
    addSkin(skin);
    frmSkin &chooser = open();
    highlight(chooser, skin);

    click(chooser, "cmdSelect");

    EXPECT_EQ(folder.readFile("options.dat"), GetParam().fileBytes);
    EXPECT_EQ(folder.entries(), (QStringList{"options.dat", "skins"}));
    EXPECT_EQ(frmSkin::openInstance(), nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].box.text, kRestartMessage);
    EXPECT_EQ(boxes[0].box.icon, forms::MessageIcon::None);
    EXPECT_FALSE(boxes[0].chooserStillOpen);
}

INSTANTIATE_TEST_SUITE_P(Skins, ChooserSelect,
                         testing::Values(ChoiceCase{"Latin", u"Winter", "Winter\r\n"},
                                         ChoiceCase{"Blanks", u" Old times ", " Old times \r\n"},
                                         // Windows-1251: З и м а.
                                         ChoiceCase{"Cyrillic", u"Зима", "\xC7\xE8\xEC\xE0\r\n"}),
                         [](const testing::TestParamInfo<ChoiceCase> &info) { return std::string(info.param.label); });

TEST_F(ChooserChoice, CancelAndTheCloseBoxLeaveTheSettingUntouched)
{
    addSkin("Blue");
    for (const bool closeBox : {false, true}) {
        frmSkin &chooser = open();
        highlight(chooser, "Blue");
        if (closeBox)
            chooser.close();
        else
            click(chooser, "cmdExit");
        EXPECT_EQ(frmSkin::openInstance(), nullptr);
        expectSettingUntouched();
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChooserChoice, SelectWithNothingHighlightedWritesNothingAndStaysOpen)
{
    addSkin("Blue");
    frmSkin &chooser = open();
    click(chooser, "cmdSelect");
    EXPECT_EQ(frmSkin::openInstance(), &chooser);
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_TRUE(boxes.empty());
    expectSettingUntouched();
}

// Failures to save are told to the user; the old setting stays, the chooser
// stays open for another try, and the program goes on.
TEST_F(ChooserChoice, SettingThatCannotBeReplacedIsReportedAndKept)
{
    addSkin("Blue");
    frmSkin &chooser = open();
    highlight(chooser, "Blue");
    // Renaming a file over a folder fails, even for root.
    ASSERT_TRUE(QFile::remove(folder.path("options.dat")));
    folder.makeFolder("options.dat");
    folder.writeFile("options.dat/keep", "x");

    click(chooser, "cmdSelect");

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].box.icon, forms::MessageIcon::Critical);
    EXPECT_NE(boxes[0].box.text.find(folder.path("options.dat").toStdU16String()), forms::Text::npos)
        << forms::textToUtf8(boxes[0].box.text);
    EXPECT_TRUE(boxes[0].chooserStillOpen);
    EXPECT_EQ(frmSkin::openInstance(), &chooser);
    EXPECT_EQ(QDir(folder.path("options.dat")).entryList(QDir::Files), QStringList{"keep"});
    EXPECT_EQ(folder.entries(), (QStringList{"options.dat", "skins"}));
}

TEST_F(ChooserChoice, NameTheSettingCannotHoldIsReportedAndNothingWritten)
{
    addSkin(QString::fromUtf16(u"雪"));
    frmSkin &chooser = open();
    highlight(chooser, QString::fromUtf16(u"雪"));

    click(chooser, "cmdSelect");

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].box.icon, forms::MessageIcon::Critical);
    EXPECT_TRUE(boxes[0].chooserStillOpen);
    expectSettingUntouched();
}

} // namespace
