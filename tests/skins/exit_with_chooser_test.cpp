// The chooser as the main window's Skins command opens it, in a program of
// its own, so that Exit really ends the process.
#include "test_folder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

TEST(SkinsCommand, OneChooserHoweverOftenAndExitEndsTheProgramWhileItIsOpen)
{
    TestFolder scratch;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // A message box would wait for a user; logged, it returns at once.
    environment.insert("PELLORY_MESSAGE_BOX_LOG", scratch.path("boxes.log"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SKINS_EXIT_HELPER), {QStringLiteral(PELLORY_PROGRAM_FOLDER)});

    ASSERT_TRUE(program.waitForFinished(20000)) << "still running";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput().toStdString(), "choosers 1\nnumber 1\n");
    EXPECT_EQ(scratch.readFile("boxes.log"), "<unreadable>") << "no message box expected";
}

} // namespace
