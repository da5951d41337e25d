// The chooser as a window: its layout, the list of skin folders at each
// opening, and there being only ever one chooser.
#include "chooser_fixture.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QPushButton>
#include <QTest>

namespace {

int openChoosers()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += dynamic_cast<frmSkin *>(window) != nullptr && window->isVisible();
    return count;
}

TEST_F(ChooserTest, IsAFixedOwnerlessModelessWindowLaidOutInPixels)
{
    frmSkin &chooser = open();
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Выбрать скин"));
    EXPECT_EQ(chooser.clientSize(), (forms::Size{406, 263}));
    EXPECT_EQ(chooser.parentWidget(), nullptr);
    EXPECT_EQ(chooser.windowModality(), Qt::NonModal);
    EXPECT_FALSE(chooser.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(chooser.font().bold());
    EXPECT_EQ(chooser.frameGeometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());

    // Twips of the design divided by 15, rounded.
    const std::pair<const char *, QRect> layout[] = {
        {"lstSkins", QRect(8, 8, 161, 244)},   {"shpPic", QRect(176, 8, 220, 165)},
        {"imgShot", QRect(176, 8, 220, 165)},  {"cmdSelect", QRect(176, 176, 220, 33)},
        {"cmdExit", QRect(176, 216, 220, 33)},
    };
    for (const auto &[name, rect] : layout) {
        const QWidget *control = chooser.findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), rect) << name;
    }
    EXPECT_EQ(chooser.findChild<QPushButton *>("cmdSelect")->text(), QStringLiteral("Выбрать"));
    EXPECT_EQ(chooser.findChild<QPushButton *>("cmdExit")->text(), QStringLiteral("Отмена"));
}

TEST_F(ChooserTest, NamesItsControlsForScreenReaders)
{
    frmSkin &chooser = open();
    const std::pair<const char *, const char *> named[] = {
        {"lstSkins", "Скины"}, {"imgShot", "Образец скина"},
        {"cmdSelect", "Выбрать"}, {"cmdExit", "Отмена"}};
    for (const auto &[object, name] : named) {
        const QWidget *control = chooser.findChild<QWidget *>(object);
        EXPECT_EQ(control->accessibleName(), QString::fromUtf8(name)) << object;
        EXPECT_FALSE(control->accessibleDescription().isEmpty()) << object;
        // A tooltip over the list would hide the preview beside it.
        EXPECT_TRUE(control->toolTip().isEmpty()) << object;
    }
}

TEST_F(ChooserTest, StartsOnTheListWhereTheFirstDownHighlightsTheFirstSkin)
{
    addSkin("Blue", patternPicture(220, 165, 1));
    addSkin("Classic");
    frmSkin &chooser = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    ASSERT_EQ(QApplication::focusWidget(), &list(chooser));
    EXPECT_EQ(list(chooser).currentRow(), -1);
    QTest::keyClick(&list(chooser), Qt::Key_Down);
    EXPECT_EQ(list(chooser).highlightedText(), u"Blue");
    EXPECT_FALSE(previewIsEmpty(chooser));
}

TEST_F(ChooserTest, ListsTheSkinFoldersByNameAndNothingElse)
{
    addSkin("Winter");
    addSkin("Blue");
    addSkin("Classic");
    folder.writeFile("skins/skinruls.7z", "1-text\r\n");
    folder.writeFile("skins/Aardvark.jpg", "not a folder");

    frmSkin &chooser = open();

    EXPECT_EQ(listed(chooser), (QStringList{"Blue", "Classic", "Winter"}));
    EXPECT_EQ(list(chooser).highlightedText(), u"");
    EXPECT_TRUE(list(chooser).selectedItems().isEmpty());
    EXPECT_TRUE(previewIsEmpty(chooser));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChooserTest, SkinsFolderWithoutSubfoldersOrMissingGivesAnEmptyList)
{
    frmSkin &empty = open();
    EXPECT_TRUE(listed(empty).isEmpty());
    closeAndDispose(empty);

    ASSERT_TRUE(QDir(folder.path("skins")).removeRecursively());
    frmSkin &missing = open();
    EXPECT_TRUE(listed(missing).isEmpty());
    EXPECT_TRUE(missing.isVisible());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChooserTest, EachOpeningListsTheFoldersAfresh)
{
    addSkin("Blue");
    frmSkin &first = open();
    highlight(first, "Blue");
    closeAndDispose(first);

    addSkin("Autumn");
    frmSkin &second = open();
    EXPECT_EQ(listed(second), (QStringList{"Autumn", "Blue"}));
    EXPECT_EQ(list(second).highlightedText(), u"");
}

TEST_F(ChooserTest, AskingAgainWhileOpenRaisesTheSameChooserUnchanged)
{
    addSkin("Blue");
    addSkin("Classic");
    frmSkin &first = open();
    highlight(first, "Classic");
    addSkin("Autumn");

    for (int again = 0; again < 3; ++again)
        EXPECT_EQ(&open(), &first);

    EXPECT_EQ(openChoosers(), 1);
    EXPECT_EQ(listed(first), (QStringList{"Blue", "Classic"}));
    EXPECT_EQ(list(first).highlightedText(), u"Classic");
}

// Reopening right after a close, before the closed window is disposed of,
// must give a new chooser and never show the closing one again.
TEST_F(ChooserTest, ClosingAndReopeningStillLeavesOneChooser)
{
    for (int round = 0; round < 3; ++round) {
        frmSkin &chooser = open();
        EXPECT_EQ(openChoosers(), 1);
        chooser.close();
        EXPECT_EQ(frmSkin::openInstance(), nullptr);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openChoosers(), 0);
    open();
    EXPECT_EQ(openChoosers(), 1);
}

} // namespace
