// The main window without a mouse: the shortcuts against their mouse
// equivalents, the first focus, F6, and what assistive tools read, the
// category buttons included.
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "RandomGenerator.h"
#include "category_names.h"
#include "forms/command_button.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"
#include "main_window_fixture.h"

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::AltModifier;
};

struct Click {
    enum { Previous, Next, Random, Category } what;
    int category = 0;
};

struct WindowState {
    QString message;
    QString number;
    std::int32_t selected;
    std::array<std::int32_t, 6> opacities;

    bool operator==(const WindowState &) const = default;
};

void PrintTo(const WindowState &state, std::ostream *out)
{
    *out << state.message.toStdString() << " / \"" << state.number.toStdString() << "\" / "
         << state.selected << " / opacities";
    for (const std::int32_t opacity : state.opacities)
        *out << ' ' << opacity;
}

QWidget *messageArea(frmMain &window) { return window.txtSMS->editor(); }
QWidget *numberBox(frmMain &window) { return window.txtSmsN->editor(); }
QWidget *randomButton(frmMain &window) { return window.cmdRnd; }

struct ShortcutCase {
    const char *name;
    std::vector<Key> keys;
    std::vector<Click> clicks; // the same with the mouse
    QWidget *(*focus)(frmMain &);
};

class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        folder.writeDatabase(standardMessages());
    }

    frmMain &startActive()
    {
        start();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        parkPointer();
        return *form;
    }

    // Far from every button: only the selection makes a button glow.
    void parkPointer() { QCursor::setPos(form->client()->mapToGlobal(QPoint(-300, -300))); }

    void click(const Click &step)
    {
        QPushButton *const buttons[] = {form->cmdLeft, form->cmdRight, form->cmdRnd};
        if (step.what == Click::Category)
            clickCategory(step.category);
        else
            buttons[step.what]->click();
    }

    WindowState state() const
    {
        WindowState seen{messageText(), numberText(), form->selectedButton(), {}};
        for (int k = 0; k < 6; ++k)
            seen.opacities[static_cast<std::size_t>(k)] = form->button(k).CurrentOpacity();
        return seen;
    }
};

class ShortcutTest : public KeyboardTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(ShortcutTest, ChangesTheWindowAsItsMouseEquivalentDoes)
{
    const ShortcutCase &c = GetParam();
    startActive();
    SeedRandomGenerator(5);
    for (const Click &step : c.clicks)
        click(step);
    parkPointer();
    form->Timer1_Timer(); // the glow a moment after the clicks
    const WindowState byMouse = state();

    startActive();
    SeedRandomGenerator(5);
    QWidget *focus = c.focus(*form);
    focus->setFocus();
    for (const Key &key : c.keys)
        QTest::keyClick(focus, key.key, key.modifiers);
    EXPECT_EQ(state(), byMouse);
}

constexpr Click Next{Click::Next};
constexpr Click category(int index) { return {Click::Category, index}; }

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutTest,
    ::testing::Values(
        ShortcutCase{"AltRightIsNext", {{Qt::Key_Right}}, {Next}, messageArea},
        ShortcutCase{"AltLeftIsPrevious",
                     {{Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Left}},
                     {Next, Next, Next, {Click::Previous}},
                     numberBox},
        ShortcutCase{"CtrlRIsRandom", {{Qt::Key_R, Qt::ControlModifier}}, {{Click::Random}}, randomButton},
        ShortcutCase{"Alt3Selects", {{Qt::Key_Right}, {Qt::Key_3}}, {Next, category(2)}, messageArea},
        ShortcutCase{"Alt5Switches", {{Qt::Key_3}, {Qt::Key_5}}, {category(2), category(4)}, numberBox},
        ShortcutCase{"Alt3AgainClears", {{Qt::Key_3}, {Qt::Key_3}}, {category(2), category(2)},
                     messageArea},
        ShortcutCase{"Alt0Clears", {{Qt::Key_Right}, {Qt::Key_1}, {Qt::Key_0}},
                     {Next, category(0), category(0)}, randomButton},
        ShortcutCase{"Alt0WithNothingSelected", {{Qt::Key_0}}, {}, messageArea}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, StartsOnTheMessageAreaAndF6SelectsTheNumberToReplaceIt)
{
    frmMain &window = startActive();
    EXPECT_EQ(QApplication::focusWidget(), window.txtSMS->editor());
    QTest::keyClick(window.txtSMS->editor(), Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(window.txtSMS->editor(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), window.txtSmsN->editor());
    EXPECT_EQ(window.txtSmsN->editor()->selectedText(), QStringLiteral("1"));
    QTest::keyClicks(window.txtSmsN->editor(), QStringLiteral("3"));
    EXPECT_EQ(numberText(), QStringLiteral("3"));
    EXPECT_EQ(messageText(), standardBody(1, 3));
}

TEST_F(KeyboardTest, EveryControlHasAnAccessibleRussianName)
{
    frmMain &window = startActive();
    const std::pair<QWidget *, const char *> named[] = {
        {window.cmdLeft, "Предыдущее"},           {window.cmdRight, "Следующее"},
        {window.cmdRnd, "Случайное"},             {window.cmdSend, "Отправить"},
        {window.txtSmsN->editor(), "Номер сообщения"}, {window.txtSMS->editor(), "Сообщение"},
    };
    for (const auto &[control, name] : named) {
        QAccessibleInterface *described = QAccessible::queryAccessibleInterface(control);
        EXPECT_EQ(described->text(QAccessible::Name), QString::fromUtf8(name));
        EXPECT_FALSE(described->text(QAccessible::Description).isEmpty()) << name;
        // The message area shows no tooltip: it would cover the message.
        EXPECT_EQ(control->toolTip().isEmpty(), control == window.txtSMS->editor()) << name;
    }
}

TEST_F(KeyboardTest, CategoryButtonsAreNamedAndPressLikeAClick)
{
    frmMain &window = startActive();
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(window.client());
    std::vector<QAccessibleInterface *> buttons;
    for (int k = 0; k < area->childCount(); ++k)
        if (area->child(k)->object() == nullptr)
            buttons.push_back(area->child(k));
    ASSERT_EQ(buttons.size(), 6u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(buttons[k]->text(QAccessible::Name),
                  QString::fromUtf8(categories::Names[static_cast<std::size_t>(k)].data()));
        EXPECT_EQ(buttons[k]->rect().topLeft(),
                  window.client()->mapToGlobal(QPoint(410, 10 + 46 * k)));
    }

    QAccessibleInterface *number = QAccessible::queryAccessibleInterface(window.txtSmsN->editor());
    buttons[2]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.selectedButton(), 2);
    EXPECT_TRUE(buttons[2]->state().checked);
    EXPECT_EQ(window.button(2).CurrentOpacity(), 100);
    EXPECT_EQ(number->text(QAccessible::Value), QStringLiteral("1"));
    EXPECT_EQ(messageText(), standardBody(3, 1));

    buttons[2]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.selectedButton(), -1);
    EXPECT_FALSE(buttons[2]->state().checked);
}

} // namespace
