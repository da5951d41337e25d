// The commands: what each hands to the shell, and what Send, Random, Open and
// Exit leave behind.
#include <QCoreApplication>
#include <QDir>

#include "RandomGenerator.h"
#include "forms/command_button.h"
#include "forms/program.h"
#include "frm_skin.h"
#include "main_window_fixture.h"

namespace {

struct CommandCase {
    const char *name;
    forms::MenuItem *MainMenu::*item;
    const char *target;  // after the program folder when local
    bool local;
};

class ShellCommandTest : public MainWindowTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ShellCommandTest, StartsItsTargetThroughTheShell)
{
    const CommandCase command = GetParam();
    frmMain &window = create();
    (window.menu.*command.item)->trigger();
    ASSERT_EQ(shellStarts.size(), 1u);
    const RecordedShellStart &started = shellStarts[0];
    const std::string expected =
        (command.local ? folder.path().toStdString() : std::string()) + command.target;
    EXPECT_EQ(started.file, expected);
    EXPECT_EQ(started.owner, window.hWnd());
    EXPECT_EQ(started.operation, "open");
    EXPECT_EQ(started.parameters, "1");
    EXPECT_FALSE(started.hasDirectory);
    EXPECT_EQ(started.showCommand, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ShellCommandTest,
    ::testing::Values(
        CommandCase{"Send", &MainMenu::mnuSend, "/send", true},
        CommandCase{"Update", &MainMenu::mnuUpd, "/update", true},
        CommandCase{"Help", &MainMenu::mnuHelp, "/FILES/help.chm", true},
        CommandCase{"Licence", &MainMenu::mnuLicense, "/license.txt", true},
        CommandCase{"Site", &MainMenu::mnuSite, "https://pellory.example/", false},
        CommandCase{"NewSkins", &MainMenu::mnuNewSkin, "https://pellory.example/skins/", false},
        CommandCase{"Discussion", &MainMenu::mnuPres,
                    "https://forum.pellory.example/topic/discussion", false},
        CommandCase{"AddMessage", &MainMenu::mnuAddSms,
                    "https://forum.pellory.example/topic/add-your-sms", false},
        CommandCase{"GatewayHelp", &MainMenu::mnuHelpSh,
                    "https://forum.pellory.example/topic/gateways", false},
        CommandCase{"Testing", &MainMenu::mnuTest, "https://forum.pellory.example/testing/", false},
        CommandCase{"Mail", &MainMenu::mnuSendL, "mailto:author@pellory.example", false}),
    [](const auto &info) { return std::string(info.param.name); });

using CommandTest = MainWindowTest;

TEST_F(CommandTest, AtTheRootTheSeparatorIsDoubled)
{
    forms::setProgramFolder(u"/");
    create().cmdSend->click();
    ASSERT_EQ(shellStarts.size(), 1u);
    EXPECT_EQ(shellStarts[0].file, "//send");
}

TEST_F(CommandTest, TheTargetGoesOverInWindows1251)
{
    forms::setProgramFolder(u"/opt/Программа");
    create().menu.mnuLicense->trigger();
    ASSERT_EQ(shellStarts.size(), 1u);
    EXPECT_EQ(shellStarts[0].file, "/opt/\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0/license.txt");
}

TEST_F(CommandTest, SendLeavesTheWindowAsItWas)
{
    folder.writeDatabase(standardMessages());
    frmMain &window = start();
    window.cmdRight->click();
    releaseAt(QPoint(430, 30)); // category "1"
    for (forms::MenuItem *send : {static_cast<forms::MenuItem *>(nullptr), window.menu.mnuSend}) {
        send ? send->trigger() : window.cmdSend->click();
        EXPECT_EQ(numberText(), QStringLiteral("1"));
        EXPECT_EQ(messageText(), standardBody(1, 1));
        EXPECT_EQ(window.selectedButton(), 0);
    }
    EXPECT_EQ(shellStarts.size(), 2u);
}

TEST_F(CommandTest, RandomFromTheMenuPicksAsTheButtonDoes)
{
    folder.writeDatabase(standardMessages());
    frmMain &window = start();
    SeedRandomGenerator(99);
    window.cmdRnd->click();
    const QString byButton = messageText();
    const std::int32_t numberByButton = window.currentSmsN();
    SeedRandomGenerator(99);
    window.cmdRight->click(); // move away first
    SeedRandomGenerator(99);
    window.menu.mnuRndSms->trigger();
    EXPECT_EQ(messageText(), byButton);
    EXPECT_EQ(window.currentSmsN(), numberByButton);
    EXPECT_EQ(numberText(), QString::number(numberByButton));
}

TEST_F(CommandTest, OpenDoesNothingAndExitEndsTheProgram)
{
    folder.writeDatabase(standardMessages());
    frmMain &window = start();
    window.cmdRight->click();
    window.menu.mnuOpen->trigger();
    EXPECT_TRUE(shellStarts.empty());
    EXPECT_TRUE(endStatuses.empty());
    EXPECT_EQ(messageText(), standardBody(1, 1));
    window.menu.mnuExit->trigger();
    EXPECT_EQ(endStatuses, std::vector<int>{0});
}

TEST_F(CommandTest, SkinsShowsOneChooserAndTheWindowStaysUsable)
{
    folder.writeDatabase(standardMessages());
    frmMain &window = start();
    window.menu.mnuSkins->trigger();
    frmSkin *chooser = frmSkin::openInstance();
    ASSERT_NE(chooser, nullptr);
    window.menu.mnuSkins->trigger();
    EXPECT_EQ(frmSkin::openInstance(), chooser);
    EXPECT_FALSE(chooser->isModal());
    EXPECT_EQ(chooser->parentWidget(), nullptr);

    window.cmdRight->click();
    EXPECT_EQ(messageText(), standardBody(1, 1));
    window.menu.mnuExit->trigger();
    EXPECT_EQ(endStatuses, std::vector<int>{0});
    chooser->close();
}

TEST_F(CommandTest, ClosingTheWindowClosesTheChooserToo)
{
    folder.writeDatabase(standardMessages());
    frmMain &window = start();
    window.menu.mnuSkins->trigger();
    ASSERT_NE(frmSkin::openInstance(), nullptr);
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmSkin::openInstance(), nullptr);
}

} // namespace
