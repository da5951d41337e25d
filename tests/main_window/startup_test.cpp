// Startup: the greeting, the order of the steps, and what each failure leaves.
#include <QLineEdit>

#include "ClassMessageContainer.h"
#include "forms/command_button.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"
#include "main_window_fixture.h"

namespace {

const QString Greeting = QStringLiteral("Приятного общения вам и вашим друзьям.");
constexpr forms::TextView Integrity = u"Нарушена целосность программы! Повторная установка устранит проблему";

using StartupTest = MainWindowTest;

TEST_F(StartupTest, ShowsTheGreetingWithAnEmptyNumberBoxAndNothingSelected)
{
    folder.writeDatabase(standardMessages());
    frmMain &window = start();
    EXPECT_FALSE(window.txtSMS->isHidden());
    EXPECT_EQ(messageText(), Greeting);
    EXPECT_EQ(numberText(), QString());
    EXPECT_EQ(window.currentSmsN(), 0);
    EXPECT_EQ(window.selectedButton(), -1);
    EXPECT_EQ(window.messageStore().GetCountTotalMessage(), 60);
    for (int k = 0; k < frmMain::ButtonCount; ++k) {
        EXPECT_GT(window.button(k).SpriteHandle(), 0) << k;
        EXPECT_EQ(window.button(k).PosX(), 410);
        EXPECT_EQ(window.button(k).PosY(), 10 + 46 * k);
    }
    EXPECT_FALSE(window.cmdLeft->picture().isNull());
    EXPECT_TRUE(timerStartedByLoad);
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_TRUE(endStatuses.empty());
}

TEST_F(StartupTest, StartsWithAnEmptyDatabase)
{
    start();
    EXPECT_EQ(messageText(), Greeting);
    EXPECT_EQ(numberText(), QString());
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(StartupTest, UsesOnlyTheFirstLineOfTheSettingsAsTheSkinName)
{
    folder.writeFile(QStringLiteral("options.dat"), "Test\r\nMissing\r\n");
    start();
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(StartupTest, KeepsBlanksAroundTheSkinName)
{
    folder.writeFile(QStringLiteral("options.dat"), " Test\r\n");
    start();
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_NE(messageBoxes[0].text.find(u"skins/ Test/background.jpg"), forms::Text::npos);
}

TEST_F(StartupTest, AMissingSpriteStopsAtThatButtonWithOneIntegrityMessage)
{
    folder.writeDatabase(standardMessages());
    folder.removeFile(QStringLiteral("Data/but4.dat"));
    frmMain &window = start();
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text, Integrity);
    EXPECT_EQ(messageBoxes[0].icon, forms::MessageIcon::Critical);
    EXPECT_EQ(messageBoxes[0].title, u"Pellory");
    ASSERT_EQ(endStatuses.size(), 1u);
    EXPECT_NE(endStatuses[0], 0);
    for (int k = 0; k < 3; ++k)
        EXPECT_GT(window.button(k).SpriteHandle(), 0) << k;
    EXPECT_EQ(window.button(3).SpriteHandle(), 0);
    EXPECT_EQ(window.button(3).PosY(), 148); // tried
    EXPECT_EQ(window.button(4).PosX(), 0);   // never created
    EXPECT_EQ(window.button(5).PosX(), 0);
    EXPECT_TRUE(window.cmdRnd->picture().isNull());
    EXPECT_EQ(window.messageStore().GetCountTotalMessage(), 0);
    EXPECT_FALSE(timerStartedByLoad);
}

TEST_F(StartupTest, ASpriteLibraryThatCannotBeLoadedIsAFailedSpriteLoad)
{
    folder.removeFile(QStringLiteral("libOrvalin.so"));
    frmMain &window = start();
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text, Integrity);
    EXPECT_EQ(endStatuses.size(), 1u);
    EXPECT_EQ(window.button(0).PosX(), 410);
    EXPECT_EQ(window.button(1).PosX(), 0);
}

// Errors the startup does not catch: reported naming the file, then the end.
struct UncaughtCase {
    const char *missingFile;
    bool buttonsCreated;
    bool lastPictureSet;
};

class StartupFailureTest : public MainWindowTest,
                           public ::testing::WithParamInterface<UncaughtCase> {};

TEST_P(StartupFailureTest, ReportsTheMissingFileAndEnds)
{
    const UncaughtCase failure = GetParam();
    folder.writeDatabase(standardMessages());
    folder.removeFile(QString::fromLatin1(failure.missingFile));
    frmMain &window = start();
    ASSERT_EQ(messageBoxes.size(), 1u);
    const forms::Text missing = folder.file(QString::fromLatin1(failure.missingFile)).toStdU16String();
    EXPECT_NE(messageBoxes[0].text.find(missing), forms::Text::npos)
        << forms::textToUtf8(messageBoxes[0].text);
    EXPECT_EQ(messageBoxes[0].icon, forms::MessageIcon::Critical);
    ASSERT_EQ(endStatuses.size(), 1u);
    EXPECT_NE(endStatuses[0], 0);
    EXPECT_EQ(window.button(5).SpriteHandle() > 0, failure.buttonsCreated);
    EXPECT_EQ(!window.cmdLeft->picture().isNull(), failure.lastPictureSet);
    EXPECT_EQ(window.messageStore().GetCountTotalMessage(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupFailureTest,
    ::testing::Values(UncaughtCase{"options.dat", false, false},
                      UncaughtCase{"skins/Test/background.jpg", true, false},
                      UncaughtCase{"skins/Test/left.jpg", true, false},
                      UncaughtCase{"skins/skinruls.7z", true, true}));

TEST_F(StartupTest, AnEmptySettingsFileIsReported)
{
    folder.writeFile(QStringLiteral("options.dat"), "");
    start();
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_NE(messageBoxes[0].text.find(u"options.dat"), forms::Text::npos);
    EXPECT_EQ(endStatuses.size(), 1u);
}

TEST_F(StartupTest, AFullStoreShowsTheCapacityMessageOnceAndStartsNormally)
{
    std::vector<TestMessage> lines(10002, TestMessage{"1", "x"});
    folder.writeDatabase(lines);
    frmMain &window = start();
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text, u"Максимальное количество записей уже загружено. (50)");
    EXPECT_EQ(messageBoxes[0].icon, forms::MessageIcon::None);
    EXPECT_TRUE(endStatuses.empty());
    EXPECT_EQ(window.messageStore().GetCountTotalMessage(), ClassMessageContainer::Capacity);
    EXPECT_EQ(messageText(), Greeting);

    // A code write longer than the typed limit reaches the number box whole.
    typeNumber(QStringLiteral("9999"));
    window.cmdRight->click();
    EXPECT_EQ(numberText(), QStringLiteral("10000"));
    EXPECT_EQ(window.currentSmsN(), 10000);
}

} // namespace
