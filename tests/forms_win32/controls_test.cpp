// The controls as child windows: the text boxes' change contract and typed
// limit, the list's highlight, picture buttons, clipping by a frame, and the
// keyboard (tab order, shortcuts).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/list_box.h"
#include "forms/single_line_text_box.h"
#include "window_test_support.h"

namespace {

using Texts = std::vector<std::u16string>;

std::wstring windowText(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

void type(HWND edit, std::wstring_view keys)
{
    SendMessageW(edit, EM_SETSEL, 0x7FFF, 0x7FFF);
    for (wchar_t key : keys)
        SendMessageW(edit, WM_CHAR, key, 0);
}

// Only the given modifier keys are down, as the shortcut and Tab handling read them.
void holdKeys(std::initializer_list<int> keys)
{
    BYTE state[256] = {};
    for (int key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
}

bool takeKey(HWND target, WPARAM key)
{
    const MSG message{target, WM_KEYDOWN, key, 0, 0, {}};
    return forms::Form::takeKey(message);
}

forms::Picture filled(int width, int height, COLORREF colour)
{
    forms::Picture picture{width, height, {}};
    for (int k = 0; k < width * height; ++k)
        picture.bgra.insert(picture.bgra.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0});
    return picture;
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override { form.setClientSize(60, 60); }
    void TearDown() override { holdKeys({}); }

    test::RecordingForm form;
};

TEST_F(Controls, TextBoxChangeRunsInsideEveryWriteThatChangesTheTextNestedWritesIncluded)
{
    auto *box = new forms::SingleLineTextBox(form.client());
    forms::setBounds(*box, {0, 0, 60, 20});
    Texts seen;
    box->setHandler([&] {
        seen.push_back(box->text());
        if (box->text() == u"7") // a write of its own, as Jump's clearing of a bad number
            box->setText(u"");
    });

    box->setText(u"12");
    box->setText(u"12"); // the same text: nothing
    box->setText(u"7");
    type(box->hwnd(), L"3");
    type(box->hwnd(), L"7");

    EXPECT_EQ(seen, (Texts{u"12", u"7", u"", u"3", u"37"}));
    EXPECT_EQ(box->text(), u"37");
    EXPECT_EQ(windowText(box->hwnd()), L"37");
}

TEST_F(Controls, TypedLimitHoldsForTypingButNotForCodeWrites)
{
    struct Case {
        const char16_t *written;
        const wchar_t *typed;
        const char16_t *expected;
    };
    const Case cases[] = {
        {u"", L"12345", u"1234"},
        {u"10000", L"7", u"10000"},
        {u"10000", L"\b\b7", u"1007"}, // backspaces make room again
    };
    auto *box = new forms::SingleLineTextBox(form.client());
    forms::setBounds(*box, {0, 0, 60, 20});
    box->setMaxTypedLength(4);
    box->setCentred(true); // a new editor: the limit and the place stay
    for (const Case &c : cases) {
        box->setText(c.written);
        type(box->hwnd(), c.typed);
        EXPECT_EQ(box->text(), c.expected) << "typed after " << forms::textToUtf8(c.written);
    }
    box->setText(u"1");
    const auto firstCharacterAt = static_cast<int>(LOWORD(SendMessageW(box->hwnd(), EM_POSFROMCHAR, 0, 0)));
    EXPECT_GT(firstCharacterAt, 20) << "centred, not from the left";
}

// What of the typed characters reaches the system's editor, which beeps at
// those it cannot insert.
std::wstring charsReachingEditor;
WNDPROC systemEditor = nullptr;

LRESULT CALLBACK recordingEditor(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR)
        charsReachingEditor += static_cast<wchar_t>(wParam);
    return CallWindowProcW(systemEditor, window, message, wParam, lParam);
}

TEST_F(Controls, EnterAndEscapeInAOneLineBoxNeverReachTheSystemEditor)
{
    // The class procedure replaced for the editors created meanwhile.
    HWND probe = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 1, 1, form.hWnd(), nullptr, nullptr, nullptr);
    systemEditor = reinterpret_cast<WNDPROC>(
        SetClassLongPtrW(probe, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(&recordingEditor)));
    auto *box = new forms::SingleLineTextBox(form.client());
    SetClassLongPtrW(probe, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemEditor));
    DestroyWindow(probe);
    forms::setBounds(*box, {0, 0, 60, 20});

    type(box->hwnd(), L"1\r2\n3\x1B");

    EXPECT_EQ(charsReachingEditor, L"123");
    EXPECT_EQ(box->text(), u"123");
}

TEST_F(Controls, ListBoxRaisesClickWhenAnotherEntryIsHighlighted)
{
    auto *list = new forms::ListBox(form.client());
    forms::setBounds(*list, {0, 0, 60, 60});
    for (const char16_t *entry : {u"Синий", u"Зелёный", u"Красный"})
        list->addEntry(entry);
    Texts clicked;
    list->setHandler([&] { clicked.push_back(list->highlightedText()); });
    EXPECT_EQ(list->highlightedText(), u"");

    SendMessageW(list->hwnd(), WM_KEYDOWN, VK_DOWN, 0); // nothing highlighted: the first entry
    SendMessageW(list->hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(list->hwnd(), WM_KEYDOWN, VK_END, 0);
    SendMessageW(list->hwnd(), WM_KEYDOWN, VK_END, 0); // already there: no click
    RECT second{};
    SendMessageW(list->hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const LPARAM at = MAKELPARAM(second.left + 2, second.top + 2);
    SendMessageW(list->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list->hwnd(), WM_LBUTTONUP, 0, at);

    EXPECT_EQ(clicked, (Texts{u"Синий", u"Зелёный", u"Красный", u"Зелёный"}));
}

TEST_F(Controls, PictureButtonClicksOnEnterSpaceBmClickAndFromCode)
{
    auto *button = new forms::CommandButton(form.client());
    forms::setBounds(*button, {0, 0, 40, 30});
    button->setPicture(filled(20, 10, RGB(255, 0, 0)));
    form.show();
    SetFocus(button->hwnd());
    int clicks = 0;
    button->setHandler([&] { ++clicks; });

    const std::pair<const char *, std::function<void()>> ways[] = {
        {"Enter", [&] { SendMessageW(button->hwnd(), WM_KEYDOWN, VK_RETURN, 0); }},
        {"Space",
         [&] {
             SendMessageW(button->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
             SendMessageW(button->hwnd(), WM_KEYUP, VK_SPACE, 0xC0000001);
         }},
        {"BM_CLICK", [&] { SendMessageW(button->hwnd(), BM_CLICK, 0, 0); }},
        {"click()", [&] { button->click(); }},
    };
    for (const auto &[way, press] : ways) {
        clicks = 0;
        press();
        test::pumpMessages();
        EXPECT_EQ(clicks, 1) << way;
    }
}

TEST_F(Controls, FrameCutsOffTheButtonItHolds)
{
    auto *frame = new forms::Frame(form.client());
    forms::setBounds(*frame, {10, 10, 20, 20});
    auto *button = new forms::CommandButton(frame);
    forms::setBounds(*button, {-10, -10, 40, 40});
    button->setPicture(filled(40, 40, RGB(255, 0, 0)));
    form.show();
    test::pumpMessages();

    const std::uint32_t background = test::asPixel(GetSysColor(COLOR_BTNFACE));
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            expected.push_back(x >= 10 && x < 30 && y >= 10 && y < 30 ? 0xFF0000u : background);
    EXPECT_EQ(test::readScreen(form.hWnd(), 60, 60), expected);
}

TEST_F(Controls, TabMovesTheFocusByTabIndexSkippingHiddenControls)
{
    auto *text = new forms::SingleLineTextBox(form.client());
    auto *first = new forms::CommandButton(u"1", form.client());
    auto *list = new forms::ListBox(form.client());
    auto *hidden = new forms::CommandButton(u"0", form.client());
    for (forms::Control *control : std::initializer_list<forms::Control *>{text, first, list, hidden})
        forms::setBounds(*control, {0, 0, 20, 20});
    hidden->setVisible(false);
    form.setTabIndices({{3, text}, {1, first}, {2, list}, {0, hidden}});
    form.show();
    EXPECT_EQ(GetFocus(), first->hwnd()) << "the shown window starts at the lowest visible index";

    struct Step {
        std::initializer_list<int> held;
        HWND expected;
    };
    const Step steps[] = {
        {{}, list->hwnd()}, {{}, text->hwnd()}, {{}, first->hwnd()}, {{VK_SHIFT}, text->hwnd()},
    };
    for (const Step &step : steps) {
        holdKeys(step.held);
        EXPECT_TRUE(takeKey(GetFocus(), VK_TAB));
        EXPECT_EQ(GetFocus(), step.expected);
    }
    holdKeys({VK_CONTROL});
    EXPECT_FALSE(takeKey(GetFocus(), VK_TAB)) << "Ctrl+Tab is the control's own";
}

TEST_F(Controls, ShortcutsRunWithExactlyTheirModifiersWhereverTheFocusIs)
{
    auto *box = new forms::SingleLineTextBox(form.client());
    std::vector<std::string> ran;
    for (const char *keys : {"Alt+1", "Ctrl+R", "F6", "Alt+Left"})
        form.addShortcut(keys, [&ran, keys] { ran.emplace_back(keys); });
    EXPECT_THROW(form.addShortcut("Hyper+Q", [] {}), std::invalid_argument);

    struct Press {
        std::initializer_list<int> held;
        WPARAM key;
        bool taken;
    };
    const Press presses[] = {
        {{VK_MENU}, '1', true},         {{}, '1', false},  {{VK_MENU, VK_SHIFT}, '1', false},
        {{VK_CONTROL}, 'R', true},      {{}, VK_F6, true}, {{VK_MENU}, VK_LEFT, true},
        {{VK_CONTROL}, VK_LEFT, false},
    };
    for (const Press &press : presses) {
        holdKeys(press.held);
        EXPECT_EQ(takeKey(box->hwnd(), press.key), press.taken) << press.key;
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"Alt+1", "Ctrl+R", "F6", "Alt+Left"}));
}

TEST_F(Controls, CtrlASelectsTheWholeTextOfATextBoxOnly)
{
    auto *box = new forms::SingleLineTextBox(form.client());
    auto *button = new forms::CommandButton(u"1", form.client());
    box->setText(u"1234");
    SendMessageW(box->hwnd(), EM_SETSEL, 2, 2);
    holdKeys({VK_CONTROL});
    EXPECT_TRUE(takeKey(box->hwnd(), 'A'));
    DWORD start = 9, end = 9;
    SendMessageW(box->hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    EXPECT_FALSE(takeKey(button->hwnd(), 'A'));
}

} // namespace
