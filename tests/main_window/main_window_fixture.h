// Each test gets its own program folder and a main window over it, with
// message boxes, the end of the program and shell starts recorded instead of
// shown, ended or launched.
#ifndef PELLORY_MAIN_WINDOW_FIXTURE_H
#define PELLORY_MAIN_WINDOW_FIXTURE_H

#include <QPoint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "forms/message_box.h"
#include "frm_main.h"
#include "test_program_folder.h"

struct RecordedShellStart {
    HWND owner;
    std::string operation;
    std::string file;
    std::string parameters;
    bool hasDirectory;
    int showCommand;
};

// The standard database: 45 messages of category "1", then 12 of "2", then 3
// of "3"; none of "4" to "6". Bodies read "Шутка <category>/<number>".
std::vector<TestMessage> standardMessages();
QString standardBody(int category, int number);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window over the folder and shows it (which loads it). Its
    // timer is stopped then, so ticks come only from the test.
    frmMain &start();
    // Creates the window without showing it.
    frmMain &create();

    // Real pointer and keyboard input, at client pixels.
    void releaseAt(QPoint client, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPoint client);
    void typeNumber(const QString &keys);
    // Selects the number box's text and deletes it, as a user would.
    void eraseNumber();
    // A category button: a click at the centre of its box.
    void clickCategory(int index);

    QString messageText() const;
    QString numberText() const;

    TestProgramFolder folder;
    std::unique_ptr<frmMain> form;
    std::vector<forms::MessageBoxRecord> messageBoxes;
    std::vector<int> endStatuses;
    std::vector<RecordedShellStart> shellStarts;
    bool timerStartedByLoad = false;
};

#endif
