// Previous, Next, Random, Jump and the category switch, through the window's
// real controls.
#include "RandomGenerator.h"
#include "forms/command_button.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"
#include "main_window_fixture.h"

namespace {

const QString Greeting = QStringLiteral("Приятного общения вам и вашим друзьям.");
const QString NoMessages = QStringLiteral("Нет сообщений");

class BrowsingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        folder.writeDatabase(standardMessages());
        start();
    }

    // Message `number` of the unfiltered store (60 messages).
    static QString unfiltered(int number)
    {
        return number <= 45   ? standardBody(1, number)
               : number <= 57 ? standardBody(2, number - 45)
                              : standardBody(3, number - 57);
    }

    void expectShown(const QString &number, const QString &message, int current)
    {
        EXPECT_EQ(numberText(), number);
        EXPECT_EQ(messageText(), message);
        EXPECT_EQ(form->currentSmsN(), current);
    }
};

TEST_F(BrowsingTest, NextAndPreviousStopAtBothEnds)
{
    form->cmdLeft->click();
    expectShown(QStringLiteral(" 1"), unfiltered(1), 1);
    form->cmdRight->click();
    expectShown(QStringLiteral("2"), unfiltered(2), 2);
    form->cmdLeft->click();
    expectShown(QStringLiteral("1"), unfiltered(1), 1);
    form->cmdLeft->click();
    expectShown(QStringLiteral(" 1"), unfiltered(1), 1);

    typeNumber(QStringLiteral("60"));
    form->cmdRight->click();
    expectShown(QStringLiteral("60"), unfiltered(60), 60);
}

TEST_F(BrowsingTest, NextFromStartupShowsTheFirstMessage)
{
    form->cmdRight->click();
    expectShown(QStringLiteral("1"), unfiltered(1), 1);
}

TEST_F(BrowsingTest, TypingTwelveJumpsAfterEachKey)
{
    typeNumber(QStringLiteral("1"));
    expectShown(QStringLiteral("1"), unfiltered(1), 1);
    typeNumber(QStringLiteral("2"));
    expectShown(QStringLiteral("12"), unfiltered(12), 12);
}

struct TypedCase {
    const char *typed;
    const char *shownNumber; // what the box holds afterwards
    int position;            // CurrentSmsN afterwards
    int shownMessage;        // unfiltered number, 0 for an empty message area
    int afterNext;           // CurrentSmsN after a following Next
};

class TypedNumberTest : public BrowsingTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedNumberTest, JumpsAndLeavesThePositionForNext)
{
    const TypedCase typed = GetParam();
    form->cmdRight->click(); // somewhere else first
    eraseNumber();
    typeNumber(QString::fromLatin1(typed.typed));
    EXPECT_EQ(numberText(), QString::fromLatin1(typed.shownNumber));
    EXPECT_EQ(form->currentSmsN(), typed.position);
    EXPECT_EQ(messageText(), typed.shownMessage ? unfiltered(typed.shownMessage) : QString());
    form->cmdRight->click();
    EXPECT_EQ(form->currentSmsN(), typed.afterNext);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedNumberTest,
                         ::testing::Values(TypedCase{"0", "0", 0, 0, 1},
                                           TypedCase{"-5", "-5", 0, 0, 1},
                                           TypedCase{"99", "99", 60, 0, 60},
                                           TypedCase{"2.5", "2.5", 2, 2, 3},
                                           TypedCase{"3.5", "3.5", 4, 4, 5},
                                           TypedCase{"ab", "ab", 0, 0, 1},
                                           TypedCase{"007", "007", 7, 7, 8},
                                           TypedCase{"12345", "1234", 60, 0, 60}));

TEST_F(BrowsingTest, AboveTheCountPreviousShowsTheOneBeforeTheLast)
{
    typeNumber(QStringLiteral("99"));
    form->cmdLeft->click();
    expectShown(QStringLiteral("59"), unfiltered(59), 59);
}

TEST_F(BrowsingTest, EmptyingTheBoxEmptiesTheMessageArea)
{
    typeNumber(QStringLiteral("5"));
    eraseNumber();
    expectShown(QString(), QString(), 0);
}

TEST_F(BrowsingTest, AnEmptyCategoryShowsItsTextsWithAnEmptyNumberBox)
{
    form->cmdRight->click();
    clickCategory(5); // category "6" holds nothing
    expectShown(QString(), Greeting, 1);
    form->cmdLeft->click();
    expectShown(QString(), NoMessages, 1);
    form->cmdRight->click();
    expectShown(QString(), Greeting, 1);
    form->cmdRnd->click();
    expectShown(QString(), Greeting, 1);
    typeNumber(QStringLiteral("5")); // removed at once
    expectShown(QString(), Greeting, 1);
}

TEST_F(BrowsingTest, ACategorySwitchClampsIntoTheShorterCategory)
{
    typeNumber(QStringLiteral("40"));
    clickCategory(1); // 12 messages
    expectShown(QStringLiteral("12"), standardBody(2, 12), 12);
}

TEST_F(BrowsingTest, ACategorySwitchKeepsTheNumberInALongEnoughCategory)
{
    typeNumber(QStringLiteral("40"));
    clickCategory(0); // 45 messages
    expectShown(QStringLiteral("40"), standardBody(1, 40), 40);
}

TEST_F(BrowsingTest, RandomStaysInTheFilteredRange)
{
    clickCategory(2); // 3 messages
    SeedRandomGenerator(7);
    for (int pick = 0; pick < 40; ++pick) {
        form->cmdRnd->click();
        const int number = form->currentSmsN();
        ASSERT_GE(number, 1);
        ASSERT_LE(number, 3);
        EXPECT_EQ(numberText(), QString::number(number));
        EXPECT_EQ(messageText(), standardBody(3, number));
    }
}

using EmptyStoreTest = MainWindowTest;

// A store with no messages at all answers "not found" to a random pick.
TEST_F(EmptyStoreTest, RandomShowsTheGreetingWithAnEmptyNumberBox)
{
    start();
    form->cmdRnd->click();
    EXPECT_EQ(numberText(), QString());
    EXPECT_EQ(messageText(), Greeting);
    EXPECT_EQ(form->currentSmsN(), 0);
}

} // namespace
