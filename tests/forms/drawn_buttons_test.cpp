// Buttons drawn on a form's surface as assistive tools and tooltips see
// them: push buttons among the client area's children, at their screen
// positions, checked as the form says, pressed through their action.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "forms/command_button.h"
#include "recording_form.h"

namespace {

class TwoDrawnButtons : public RecordingForm {
public:
    int drawnButtonCount() const override { return 2; }
    forms::DrawnButton drawnButton(int index) const override
    {
        const char16_t digit = static_cast<char16_t>(u'0' + index);
        return {index == 0 ? u"Первая" : u"Вторая", forms::Text(u"описание ") + digit,
                forms::Text(u"Alt+") + static_cast<char16_t>(digit + 1),
                forms::Rect{10, 10 + 30 * index, 20, 20}, index == checkedIndex};
    }
    void pressDrawnButton(int index) override { presses.push_back(index); }

    int checkedIndex = 1;
    std::vector<int> presses;
};

TEST(DrawnButtons, AreCheckablePushButtonsAmongTheClientAreasChildren)
{
    TwoDrawnButtons form;
    new forms::CommandButton(u"OK", form.client());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(form.client());
    ASSERT_NE(area, nullptr);
    ASSERT_EQ(area->childCount(), 3); // the control, then the two drawn buttons
    EXPECT_EQ(area->child(0)->text(QAccessible::Name), QStringLiteral("OK"));

    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        QAccessibleInterface *button = area->child(1 + k);
        ASSERT_NE(button, nullptr);
        const QRect box(form.client()->mapToGlobal(QPoint(10, 10 + 30 * k)), QSize(20, 20));
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_EQ(button->text(QAccessible::Name).toStdU16String(), form.drawnButton(k).name);
        EXPECT_EQ(button->text(QAccessible::Description).toStdU16String(), form.drawnButton(k).description);
        EXPECT_EQ(button->rect(), box);
        EXPECT_TRUE(button->state().checkable);
        EXPECT_EQ(bool(button->state().checked), k == 1);
        EXPECT_EQ(button->parent(), area);
        EXPECT_EQ(area->indexOfChild(button), 1 + k);
        EXPECT_EQ(area->childAt(box.center().x(), box.center().y()), button);

        QAccessibleActionInterface *actions = button->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                  QStringList{QString::fromStdU16String(form.drawnButton(k).keys)});
        actions->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(form.presses, (std::vector<int>{0, 1}));
    form.checkedIndex = 0;
    EXPECT_TRUE(area->child(1)->state().checked);
    EXPECT_FALSE(area->child(2)->state().checked);
}

TEST(DrawnButtons, ShowTheirNamesAsTooltips)
{
    TwoDrawnButtons form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint onSecond(20, 50);
    QHelpEvent help(QEvent::ToolTip, onSecond, form.client()->mapToGlobal(onSecond));
    QCoreApplication::sendEvent(form.client(), &help);
    EXPECT_TRUE(help.isAccepted());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Вторая"));

    const QPoint between(20, 35);
    QHelpEvent elsewhere(QEvent::ToolTip, between, form.client()->mapToGlobal(between));
    QCoreApplication::sendEvent(form.client(), &elsewhere);
    EXPECT_FALSE(elsewhere.isAccepted());
}

} // namespace
