#include "main_window_fixture.h"

#include <QLineEdit>
#include <QTest>

#include "forms/multi_line_text_box.h"
#include "forms/program.h"
#include "forms/single_line_text_box.h"
#include "system_services.h"

namespace {

void recordShellStart(void *context, const SysShellStart *start)
{
    auto *starts = static_cast<std::vector<RecordedShellStart> *>(context);
    const auto text = [](const char *value) { return value == nullptr ? std::string() : value; };
    starts->push_back({start->owner, text(start->operation), text(start->file),
                       text(start->parameters), start->directory != nullptr, start->showCommand});
}

} // namespace

std::vector<TestMessage> standardMessages()
{
    std::vector<TestMessage> messages;
    for (const auto &[category, count] : {std::pair{1, 45}, {2, 12}, {3, 3}})
        for (int number = 1; number <= count; ++number)
            messages.push_back({std::to_string(category), standardBody(category, number).toStdString()});
    return messages;
}

QString standardBody(int category, int number)
{
    return QStringLiteral("Шутка %1/%2").arg(category).arg(number);
}

void MainWindowTest::SetUp()
{
    forms::setProgramFolder(folder.path().toStdU16String());
    forms::setMessageBoxHandler(
        [this](const forms::MessageBoxRecord &box) { messageBoxes.push_back(box); });
    forms::setEndProgramHandler([this](int status) { endStatuses.push_back(status); });
    SysSetShellRecorder(recordShellStart, &shellStarts);
}

void MainWindowTest::TearDown()
{
    form.reset();
    SysSetShellRecorder(nullptr, nullptr);
    forms::setEndProgramHandler(nullptr);
    forms::setMessageBoxHandler(nullptr);
    forms::setProgramFolder(u"");
}

frmMain &MainWindowTest::create()
{
    form = std::make_unique<frmMain>();
    return *form;
}

frmMain &MainWindowTest::start()
{
    create().show();
    timerStartedByLoad = form->Timer1.isActive();
    form->Timer1.stop();
    QCoreApplication::processEvents();
    return *form;
}

void MainWindowTest::releaseAt(QPoint client, Qt::MouseButton button)
{
    QTest::mouseClick(form->client(), button, Qt::NoModifier, client);
}

void MainWindowTest::moveTo(QPoint client)
{
    QTest::mouseMove(form->client(), client);
}

void MainWindowTest::typeNumber(const QString &keys)
{
    QTest::keyClicks(form->txtSmsN->editor(), keys);
}

void MainWindowTest::eraseNumber()
{
    form->txtSmsN->editor()->selectAll();
    QTest::keyClick(form->txtSmsN->editor(), Qt::Key_Backspace);
}

void MainWindowTest::clickCategory(int index)
{
    releaseAt(QPoint(410 + TestSpriteSide / 2, 10 + 46 * index + TestSpriteSide / 2));
}

QString MainWindowTest::messageText() const { return QString::fromStdU16String(form->txtSMS->text()); }
QString MainWindowTest::numberText() const { return QString::fromStdU16String(form->txtSmsN->text()); }
