// Program-wide services: twips, colours, the program folder, message boxes
// and ending the program, each through its test seam.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "forms/errors.h"
#include "forms/message_box.h"
#include "forms/program.h"
#include "forms/units.h"

namespace {

TEST(Units, TwipsBecomeTheNearestPixel)
{
    const std::pair<int, int> cases[] = {
        {6900, 460}, {4410, 294}, {2200, 147}, {2595, 173}, {-50, -3}, {-120, -8},
        {380, 25},   {2720, 181}, {7, 0},      {8, 1},      {-7, 0},   {-8, -1},
    };
    for (const auto &[twips, pixels] : cases)
        EXPECT_EQ(forms::twipsToPixels(twips), pixels) << twips << " twips";
    EXPECT_EQ(forms::twipsRect(1080, 840, 4575, 1695), (forms::Rect{72, 56, 305, 113}));
}

TEST(Units, LayoutColoursAreStoredBlueGreenRed)
{
    EXPECT_EQ(forms::colorFromBgr(0x00FF8080), (forms::Color{128, 128, 255}));
    EXPECT_EQ(forms::colorFromBgr(0x00FF0000), (forms::Color{0, 0, 255}));
    EXPECT_EQ(forms::colorFromBgr(0x00FFC0C0), (forms::Color{192, 192, 255}));
}

TEST(ProgramFolder, HasNoTrailingSeparatorExceptAtTheRoot)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/opt/Pellory/", "/opt/Pellory"},
        {"/opt/Pellory", "/opt/Pellory"},
        {"/", "/"},
        {"//", "/"},
        {"/a//", "/a"},
    };
    for (const auto &[path, expected] : cases)
        EXPECT_EQ(forms::withoutTrailingSeparator(forms::textFromUtf8(path)), forms::textFromUtf8(expected));

    const forms::Text executableFolder = QCoreApplication::applicationDirPath().toStdU16String();
    EXPECT_EQ(forms::programFolder(), executableFolder);
    forms::setProgramFolder(u"/tmp/Программа/");
    EXPECT_EQ(forms::programFolder(), u"/tmp/Программа");
    forms::setProgramFolder(u"");
    EXPECT_EQ(forms::programFolder(), executableFolder);
}

class Seams : public ::testing::Test {
protected:
    void TearDown() override
    {
        forms::setMessageBoxHandler(nullptr);
        forms::setEndProgramHandler(nullptr);
    }
};

TEST_F(Seams, MessageBoxesCarryTheProgramsTitle)
{
    std::vector<forms::MessageBoxRecord> boxes;
    forms::setMessageBoxHandler([&](const forms::MessageBoxRecord &box) { boxes.push_back(box); });
    forms::messageBox(u"Для применения настроек, перезагрузите программу");
    forms::messageBox(u"Нарушена целосность программы!", forms::MessageIcon::Critical);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, u"Pellory");
    EXPECT_EQ(boxes[0].icon, forms::MessageIcon::None);
    EXPECT_EQ(boxes[1].text, u"Нарушена целосность программы!");
    EXPECT_EQ(boxes[1].icon, forms::MessageIcon::Critical);
}

TEST(MessageBox, ShowsTheTitleAndIconAndReturnsWhenClosed)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // Closes the box from inside its own event loop, as the user's OK would.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(10);
    forms::messageBox(u"Нарушена целосность программы!", forms::MessageIcon::Critical);
    EXPECT_EQ(title, QStringLiteral("Pellory"));
    EXPECT_EQ(text, QStringLiteral("Нарушена целосность программы!"));
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(Seams, AnErrorEscapingAHandlerIsShownThenEndsTheProgram)
{
    QStringList events;
    forms::setMessageBoxHandler([&](const forms::MessageBoxRecord &box) {
        EXPECT_EQ(box.icon, forms::MessageIcon::Critical);
        events << QStringLiteral("box: ") + QString::fromStdU16String(box.text);
    });
    forms::setEndProgramHandler([&](int status) { events << QString::number(status); });

    forms::runGuarded("cmdSend_Click", [] { throw forms::Error(u"нет файла"); });

    ASSERT_EQ(events.size(), 2);
    EXPECT_TRUE(events[0].contains(QStringLiteral("cmdSend_Click")));
    EXPECT_TRUE(events[0].contains(QStringLiteral("нет файла")));
    EXPECT_EQ(events[1], QString::number(forms::UncaughtErrorExitStatus));
}

TEST_F(Seams, AnErrorRaisedWhileTheReportIsShowingIsNotReportedAgain)
{
    int boxes = 0;
    std::vector<int> ends;
    forms::setMessageBoxHandler([&](const forms::MessageBoxRecord &) {
        ++boxes;
        // A timer tick failing while the box is open.
        forms::runGuarded("Timer1_Timer", [] { throw std::runtime_error("tick"); });
    });
    forms::setEndProgramHandler([&](int status) { ends.push_back(status); });

    forms::runGuarded("Form_Paint", [] { throw std::runtime_error("paint"); });

    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(ends, std::vector<int>{forms::UncaughtErrorExitStatus});
}

} // namespace
