// Pointer events of the client area: float client pixels, button and shift
// state, silence over child controls; and where the pointer is on the screen.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <memory>

#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/image.h"
#include "forms/list_box.h"
#include "forms/multi_line_text_box.h"
#include "forms/shape.h"
#include "forms/single_line_text_box.h"
#include "recording_form.h"
#include "windows.h"

namespace {

using forms::Form;

void sendMouse(QWidget *target, QEvent::Type type, QPointF position, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, position, target->mapToGlobal(position), button, buttons, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

TEST(FormPointer, MovesArriveAsFloatClientPixelsWithButtonAndShiftState)
{
    struct Case {
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
        std::int16_t button;
        std::int16_t shift;
    };
    const Case cases[] = {
        {Qt::NoButton, Qt::NoModifier, 0, 0},
        {Qt::LeftButton, Qt::ShiftModifier, Form::LeftButton, Form::ShiftMask},
        {Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier,
         Form::LeftButton | Form::RightButton, Form::ShiftMask | Form::CtrlMask},
        {Qt::MiddleButton, Qt::AltModifier, Form::MiddleButton, Form::AltMask},
    };
    RecordingForm form;
    for (const Case &c : cases) {
        form.moves.clear();
        sendMouse(form.client(), QEvent::MouseMove, QPointF(12.25, 7.5), Qt::NoButton, c.buttons,
                  c.modifiers);
        ASSERT_EQ(form.moves.size(), 1u);
        EXPECT_EQ(form.moves[0].button, c.button);
        EXPECT_EQ(form.moves[0].shift, c.shift);
        EXPECT_EQ(form.moves[0].x, 12.25f);
        EXPECT_EQ(form.moves[0].y, 7.5f);
    }
}

TEST(FormPointer, ReleaseNamesTheReleasedButton)
{
    RecordingForm form;
    sendMouse(form.client(), QEvent::MouseButtonRelease, QPointF(410.5, 52.75), Qt::RightButton,
              Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(form.ups.size(), 1u);
    EXPECT_EQ(form.ups[0].button, Form::RightButton);
    EXPECT_EQ(form.ups[0].shift, Form::CtrlMask);
    EXPECT_EQ(form.ups[0].x, 410.5f);
    EXPECT_EQ(form.ups[0].y, 52.75f);
}

struct ChildKind {
    const char *name;
    std::function<QWidget *(QWidget *parent)> create;
    bool formHearsPointer;
};

class PointerOverChild : public ::testing::TestWithParam<ChildKind> {};

TEST_P(PointerOverChild, FormHearsThePointerOnlyWhereNoControlIs)
{
    RecordingForm form;
    QWidget *child = GetParam().create(form.client());
    child->setGeometry(40, 20, 30, 20);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint clientOrigin = form.client()->mapTo(&form, QPoint(0, 0));

    QTest::mouseMove(form.windowHandle(), clientOrigin + QPoint(5, 6));
    ASSERT_EQ(form.moves.size(), 1u);
    EXPECT_EQ(form.moves[0].x, 5.0f);
    EXPECT_EQ(form.moves[0].y, 6.0f);

    form.moves.clear();
    QTest::mouseMove(form.windowHandle(), clientOrigin + QPoint(50, 30));
    EXPECT_EQ(form.moves.size(), GetParam().formHearsPointer ? 1u : 0u);

    form.ups.clear();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, clientOrigin + QPoint(50, 30));
    EXPECT_EQ(form.ups.size(), GetParam().formHearsPointer ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PointerOverChild,
    ::testing::Values(ChildKind{"SingleLineTextBox",
                                [](QWidget *p) { return new forms::SingleLineTextBox(p); }, false},
                      ChildKind{"MultiLineTextBox",
                                [](QWidget *p) { return new forms::MultiLineTextBox(p); }, false},
                      ChildKind{"CommandButton",
                                [](QWidget *p) { return new forms::CommandButton(p); }, false},
                      ChildKind{"Frame", [](QWidget *p) { return new forms::Frame(p); }, false},
                      ChildKind{"ListBox", [](QWidget *p) { return new forms::ListBox(p); }, false},
                      ChildKind{"Image", [](QWidget *p) { return new forms::Image(p); }, false},
                      // A shape is decoration drawn on the form, not a control.
                      ChildKind{"Shape", [](QWidget *p) { return new forms::Shape(p); }, true}),
    [](const ::testing::TestParamInfo<ChildKind> &info) { return info.param.name; });

// Run on a real X display only: there the position comes from the server
// on a connection of the program's own, not from Qt.
TEST(PointerPositionOnX, GetCursorPosAgreesWithQtAfterEveryWarp)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display";
    RecordingForm form; // the window hooks come with the first window
    for (const QPoint target : {QPoint(0, 0), QPoint(17, 5), QPoint(640, 480), QPoint(799, 599)}) {
        QCursor::setPos(target);
        ASSERT_EQ(QCursor::pos(), target); // a round trip: the server has moved it
        POINT point{-1, -1};
        ASSERT_TRUE(GetCursorPos(&point));
        EXPECT_EQ(QPoint(point.x, point.y), target);
    }
}

} // namespace
