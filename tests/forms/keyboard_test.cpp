// What the controls do with keys: focus order and the first focus of a
// shown form, Tab and copying in the message area, Enter on buttons, the
// list box's first Down.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "forms/command_button.h"
#include "forms/list_box.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"
#include "recording_form.h"

namespace {

struct MessageAreaKeyCase {
    const char *name;
    bool selectFirstWord;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;      // afterwards
    QString clipboard; // afterwards
    int focusStep;     // -1, 0 or 1: where the focus went
};

class MessageAreaKeys : public ::testing::TestWithParam<MessageAreaKeyCase> {};

TEST_P(MessageAreaKeys, MoveTheFocusTypeATabOrCopy)
{
    const MessageAreaKeyCase &c = GetParam();
    RecordingForm form;
    auto *before = new forms::SingleLineTextBox(form.client());
    auto *area = new forms::MultiLineTextBox(form.client());
    auto *after = new forms::SingleLineTextBox(form.client());
    form.setTabIndices({{0, before->editor()}, {1, area->editor()}, {2, after->editor()}});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    area->setText(u"Привет всем");
    area->editor()->setFocus();
    if (c.selectFirstWord) {
        QTextCursor cursor = area->editor()->textCursor();
        cursor.movePosition(QTextCursor::Start);
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        area->editor()->setTextCursor(cursor);
    } else {
        area->editor()->moveCursor(QTextCursor::End);
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    QTest::keyClick(area->editor(), c.key, c.modifiers);

    EXPECT_EQ(QString::fromStdU16String(area->text()), c.text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.clipboard);
    QWidget *const expectedFocus[] = {before->editor(), area->editor(), after->editor()};
    EXPECT_EQ(form.focusWidget(), expectedFocus[c.focusStep + 1]);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MessageAreaKeys,
    ::testing::Values(
        MessageAreaKeyCase{"Tab", false, Qt::Key_Tab, Qt::NoModifier, "Привет всем", "before", 1},
        MessageAreaKeyCase{"ShiftTab", false, Qt::Key_Backtab, Qt::ShiftModifier, "Привет всем",
                           "before", -1},
        MessageAreaKeyCase{"CtrlTab", false, Qt::Key_Tab, Qt::ControlModifier, "Привет всем\t",
                           "before", 0},
        MessageAreaKeyCase{"CopyWithoutSelection", false, Qt::Key_C, Qt::ControlModifier,
                           "Привет всем", "Привет всем", 0},
        MessageAreaKeyCase{"CopyOfASelection", true, Qt::Key_C, Qt::ControlModifier, "Привет всем",
                           "Привет", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Form, TheShownFormFocusesTheVisibleControlWithTheLowestTabIndex)
{
    RecordingForm form;
    auto *hidden = new forms::CommandButton(form.client());
    auto *third = new forms::CommandButton(form.client());
    auto *second = new forms::CommandButton(form.client());
    hidden->hide();
    // Created last but with the lowest visible index: creation order must not decide.
    form.setTabIndices({{9, third}, {0, hidden}, {4, second}});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), third);
}

TEST(CommandButton, EnterAndSpaceClickIt)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks;
    } cases[] = {{Qt::Key_Return, Qt::NoModifier, 1},
                 {Qt::Key_Enter, Qt::KeypadModifier, 1},
                 {Qt::Key_Space, Qt::NoModifier, 1},
                 {Qt::Key_Return, Qt::ControlModifier, 0},
                 {Qt::Key_A, Qt::NoModifier, 0}};
    for (const auto &c : cases) {
        forms::CommandButton button(u"OK");
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
        QTest::keyClick(&button, c.key, c.modifiers);
        EXPECT_EQ(clicks, c.clicks) << "key " << c.key;
    }
}

TEST(ListBox, NothingIsCurrentUntilTheFirstKeyHighlightsAnEnd)
{
    const struct {
        Qt::Key key;
        const char *highlighted;
    } cases[] = {{Qt::Key_Down, "Blue"}, {Qt::Key_Up, "Blue"}, {Qt::Key_Home, "Blue"},
                 {Qt::Key_End, "Winter"}};
    for (const auto &c : cases) {
        RecordingForm form;
        form.setClientSize(120, 120);
        auto *list = new forms::ListBox(form.client());
        list->setGeometry(0, 0, 120, 120);
        for (const char *name : {"Blue", "Classic", "Winter"})
            list->addEntry(forms::textFromUtf8(name));
        form.setTabIndices({{1, list}});
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        ASSERT_TRUE(list->hasFocus());
        // No current entry: no focus band drawn on an entry that is not highlighted.
        EXPECT_EQ(list->currentRow(), -1);
        QTest::keyClick(list->viewport(), c.key);
        EXPECT_EQ(list->highlightedText(), forms::textFromUtf8(c.highlighted)) << "key " << c.key;
    }
}

} // namespace
