// Pointer events, menus, the timer and the guard around event procedures,
// raised through the window's message loop.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "forms/errors.h"
#include "forms/message_box.h"
#include "forms/program.h"
#include "forms/timer.h"
#include "window_test_support.h"

namespace {

using test::RecordingForm;
using Event = RecordingForm::PointerEvent;

class FormEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        form.setClientSize(40, 30);
        form.show();
        test::pumpMessages();
    }

    RecordingForm form;
};

TEST_F(FormEvents, PointerMessagesRaiseMovesAndReleasesWithButtonsAndShiftBits)
{
    struct Case {
        UINT message;
        WPARAM keys;
        short x;
        short y;
        Event expected;
    };
    const Case cases[] = {
        {WM_MOUSEMOVE, 0, 5, 7, {"move", 0, 0, 5, 7}},
        {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, 39, 0, {"move", 1, 1, 39, 0}},
        {WM_MOUSEMOVE, MK_RBUTTON | MK_MBUTTON | MK_CONTROL, -3, 31, {"move", 6, 2, -3, 31}},
        {WM_LBUTTONUP, MK_CONTROL | MK_SHIFT, 1, 2, {"up", 1, 3, 1, 2}},
        {WM_RBUTTONUP, MK_LBUTTON, 3, 4, {"up", 2, 0, 3, 4}},
        {WM_MBUTTONUP, 0, -20, -1, {"up", 4, 0, -20, -1}},
    };
    std::vector<Event> expected;
    for (const Case &c : cases) {
        PostMessageW(form.hWnd(), c.message, c.keys, MAKELPARAM(c.x, c.y));
        expected.push_back(c.expected);
    }
    test::pumpMessages();
    EXPECT_EQ(form.pointerEvents, expected);
}

TEST_F(FormEvents, LeavingTheClientAreaRaisesMouseLeaveOnce)
{
    POINT inside{10, 10};
    ClientToScreen(form.hWnd(), &inside);
    SetCursorPos(inside.x, inside.y);
    PostMessageW(form.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    test::pumpMessages();
    EXPECT_EQ(form.leaves, 0);

    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    EXPECT_TRUE(test::pumpUntil([this] { return form.leaves > 0; }));
    test::pumpUntil([] { return false; }, 200);
    EXPECT_EQ(form.leaves, 1);
}

TEST_F(FormEvents, MenusKeepCaptionsInOrderAndCommandsRunTheirHandlers)
{
    forms::Menu &messages = form.menuBar().addMenu(u"&Сообщения");
    forms::MenuItem &next = messages.addItem(u"&Следующее");
    forms::MenuItem &exit = messages.addItem(u"Вы&ход");
    forms::Menu &help = form.menuBar().addMenu(u"&?");
    forms::MenuItem &about = help.addMenu(u"&Сайт").addItem(u"&О программе");
    std::vector<std::string> chosen;
    next.setHandler([&] { chosen.push_back("next"); });
    exit.setHandler([&] { chosen.push_back("exit"); });
    about.setHandler([&] { chosen.push_back("about"); });

    EXPECT_EQ(messages.caption(), u"&Сообщения");
    EXPECT_EQ(exit.caption(), u"Вы&ход");
    EXPECT_EQ(about.caption(), u"&О программе");
    HMENU bar = GetMenu(form.hWnd());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    HMENU first = GetSubMenu(bar, 0);
    const std::pair<HMENU, int> places[] = {{bar, 0}, {bar, 1}, {first, 0}, {first, 1}};
    const wchar_t *captions[] = {L"&Сообщения", L"&?", L"&Следующее", L"Вы&ход"};
    for (int i = 0; i < 4; ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(places[i].first, static_cast<UINT>(places[i].second), text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, captions[i]);
    }

    next.trigger();
    SendMessageW(form.hWnd(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(first, 1), 0), 0);
    const UINT aboutId = GetMenuItemID(GetSubMenu(GetSubMenu(bar, 1), 0), 0);
    PostMessageW(form.hWnd(), WM_COMMAND, MAKEWPARAM(aboutId, 0), 0);
    SendMessageW(form.hWnd(), WM_COMMAND, MAKEWPARAM(aboutId, 0), reinterpret_cast<LPARAM>(form.hWnd()));
    test::pumpMessages();
    EXPECT_EQ(chosen, (std::vector<std::string>{"next", "exit", "about"}));
}

TEST_F(FormEvents, TimerTicksThroughTheMessageLoopUntilStopped)
{
    forms::Timer timer(form, "Timer1");
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.setInterval(20);
    EXPECT_EQ(timer.interval(), 20);
    EXPECT_FALSE(timer.isActive());
    timer.start();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(test::pumpUntil([&] { return ticks >= 3; }));
    timer.stop();
    const int stoppedAt = ticks;
    test::pumpUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, stoppedAt);
    EXPECT_FALSE(timer.isActive());
}

TEST(Timer, OutlivingItsFormStopsItAndDestroyingItFirstLeavesTheFormAlone)
{
    auto form = std::make_unique<RecordingForm>();
    forms::Timer survivor(*form, "Timer1");
    {
        forms::Timer shortLived(*form, "Timer2");
        shortLived.setInterval(10);
        shortLived.start();
    }
    survivor.setInterval(10);
    survivor.start();
    form.reset();
    EXPECT_FALSE(survivor.isActive());
    EXPECT_EQ(survivor.interval(), 0);
    survivor.start(); // does nothing
    survivor.setHandler([] {});
    test::pumpUntil([] { return false; }, 50);
    EXPECT_FALSE(survivor.isActive());
}

// An error escaping any event procedure is reported under the program's
// title, naming the procedure, and ends the program with status 1.
TEST(Form, ErrorsEscapingEventProceduresAreReportedAndEndTheProgram)
{
    std::vector<forms::MessageBoxRecord> boxes;
    std::vector<int> ends;
    forms::setMessageBoxHandler([&](const forms::MessageBoxRecord &box) { boxes.push_back(box); });
    forms::setEndProgramHandler([&](int status) { ends.push_back(status); });
    const auto fail = [] { throw std::runtime_error("сбой"); };

    struct Case {
        const char16_t *procedure;
        std::function<void(RecordingForm &)> raise;
    };
    const Case cases[] = {
        {u"Form_MouseMove",
         [&](RecordingForm &form) {
             form.onMove = fail;
             PostMessageW(form.hWnd(), WM_MOUSEMOVE, 0, 0);
         }},
        {u"Form_Paint",
         [&](RecordingForm &form) {
             form.onPaint = fail;
             form.refresh();
         }},
        {u"&Выход",
         [&](RecordingForm &form) {
             form.menuBar().addMenu(u"&Файл").addItem(u"&Выход").setHandler(fail);
             SendMessageW(form.hWnd(), WM_COMMAND, MAKEWPARAM(1, 0), 0);
         }},
    };
    for (const Case &c : cases) {
        boxes.clear();
        ends.clear();
        RecordingForm form;
        form.show();
        test::pumpMessages();
        c.raise(form);
        test::pumpMessages();
        ASSERT_EQ(boxes.size(), 1u) << forms::textToUtf8(c.procedure);
        EXPECT_EQ(boxes[0].title, u"forms_win32_tests");
        EXPECT_EQ(boxes[0].text, forms::Text(u"Непредвиденная ошибка в ") + c.procedure + u":\nсбой");
        EXPECT_EQ(boxes[0].icon, forms::MessageIcon::Critical);
        EXPECT_EQ(ends, std::vector<int>{forms::UncaughtErrorExitStatus});
    }

    // A timer's handler is reported under the timer's name.
    boxes.clear();
    RecordingForm form;
    forms::Timer timer(form, "Timer1");
    timer.setHandler(fail);
    timer.setInterval(10);
    timer.start();
    test::pumpUntil([&] { return !boxes.empty(); });
    timer.stop();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].text, u"Непредвиденная ошибка в Timer1:\nсбой");
    forms::setMessageBoxHandler(nullptr);
    forms::setEndProgramHandler(nullptr);
}

} // namespace
