// The paint cycle, drawing outside it, and the client size, read back from
// the form's DC and from the window on screen.
#include <gtest/gtest.h>

#include "window_test_support.h"

namespace {

using test::RecordingForm;

// A 2 x 2 picture: blue, green / red, white (B G R unused).
forms::Picture twoByTwo()
{
    return {2, 2, {0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x00}};
}

// Places the pointer where no test window is, so that only posted pointer
// messages reach the forms.
class FormPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        form.setClientSize(4, 3);
        form.setPicture(twoByTwo());
        form.onPaint = [this] { SetPixelV(form.hDC(), 3, 2, RGB(0x12, 0x34, 0x56)); };
        form.show();
        test::pumpMessages();
    }

    RecordingForm form;
};

TEST_F(FormPaint, CycleDrawsPictureThenWindowColourThenFormPaintOnSurfaceAndScreen)
{
    const std::uint32_t W = test::asPixel(GetSysColor(COLOR_BTNFACE));
    const std::vector<std::uint32_t> expected = {
        0x0000FF, 0x00FF00, W, W, //
        0xFF0000, 0xFFFFFF, W, W, //
        W,        W,        W, 0x123456,
    };
    EXPECT_EQ(form.paints, 1);
    EXPECT_EQ(test::readPixels(form.hDC(), 4, 3), expected);
    EXPECT_EQ(test::readScreen(form.hWnd(), 4, 3), expected);

    // A cycle repaints the background whatever was drawn over it.
    SetPixelV(form.hDC(), 0, 0, RGB(1, 2, 3));
    form.refresh();
    EXPECT_EQ(form.paints, 2);
    EXPECT_EQ(test::readScreen(form.hWnd(), 4, 3), expected);
}

TEST_F(FormPaint, DrawingInAnEventProcedureIsPresentedAloneAndOnlyWhereItChanged)
{
    const std::vector<std::uint32_t> before = test::readScreen(form.hWnd(), 4, 3);
    form.onMove = [this] { SetPixelV(form.hDC(), 1, 1, RGB(0xAB, 0xCD, 0xEF)); };
    PostMessageW(form.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    test::pumpMessages();

    std::vector<std::uint32_t> expected = before;
    expected[1 * 4 + 1] = 0xABCDEF;
    EXPECT_EQ(test::readScreen(form.hWnd(), 4, 3), expected);
    EXPECT_EQ(form.paints, 1) << "no paint cycle, no Form_Paint";

    // The same drawing again changes nothing, so nothing is presented: a mark
    // put on the screen behind the surface's back stays.
    HDC screen = GetDC(form.hWnd());
    SetPixelV(screen, 3, 0, RGB(9, 9, 9));
    ReleaseDC(form.hWnd(), screen);
    PostMessageW(form.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 1));
    test::pumpMessages();
    expected[3] = 0x090909;
    EXPECT_EQ(test::readScreen(form.hWnd(), 4, 3), expected);
}

TEST_F(FormPaint, InvalidatingTheWindowRunsAWholeCycle)
{
    SetPixelV(form.hDC(), 0, 0, RGB(1, 2, 3));
    const RECT corner{3, 2, 4, 3};
    InvalidateRect(form.hWnd(), &corner, TRUE);
    test::pumpMessages();
    EXPECT_EQ(form.paints, 2);
    EXPECT_EQ(test::readPixels(form.hDC(), 1, 1), std::vector<std::uint32_t>{0x0000FF});
}

TEST(Form, ClientSizeIsExactWithAndWithoutMenusAndThePictureIsChecked)
{
    struct Case {
        int width;
        int height;
        int menus;
    };
    // The last bar is too narrow for its menus and wraps onto more lines.
    const Case cases[] = {{4, 3, 0}, {640, 480, 0}, {300, 200, 2}, {60, 90, 6}};
    for (const Case &c : cases) {
        RecordingForm form;
        for (int i = 0; i < c.menus; ++i)
            form.menuBar().addMenu(u"&Сообщения");
        form.setClientSize(c.width, c.height);
        form.show();
        RECT client{};
        GetClientRect(form.hWnd(), &client);
        EXPECT_EQ(client.right, c.width) << c.menus;
        EXPECT_EQ(client.bottom, c.height) << c.menus;
        const LONG style = GetWindowLongW(form.hWnd(), GWL_STYLE);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    }
    RecordingForm form;
    EXPECT_THROW(form.setPicture({2, 2, std::vector<std::uint8_t>(15)}), std::invalid_argument);
    EXPECT_THROW(form.setPicture({-1, -4, std::vector<std::uint8_t>(16)}), std::invalid_argument);
    EXPECT_THROW(form.setPicture({65536, 65536, {}}), std::invalid_argument);
}

TEST(Form, ClosingHidesAndUnloadsAndTheNextShowLoadsAgain)
{
    RecordingForm form;
    form.show();
    form.show();
    EXPECT_EQ(form.loads, 1);
    SendMessageW(form.hWnd(), WM_CLOSE, 0, 0); // the close box
    EXPECT_FALSE(IsWindowVisible(form.hWnd()));
    EXPECT_EQ(form.unloads, 1);
    form.show();
    EXPECT_EQ(form.loads, 2);
    form.close();
    EXPECT_EQ(form.unloads, 2);
    EXPECT_TRUE(IsWindow(form.hWnd())) << "the handle lives as long as the form";
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the last visible form closed";
}

TEST(Form, HandlesLeadBackToTheirFormsWhileTheyLive)
{
    auto form = std::make_unique<RecordingForm>();
    const HWND hwnd = form->hWnd();
    EXPECT_EQ(forms::Form::fromHandle(hwnd), form.get());
    EXPECT_NE(form->hDC(), nullptr);
    EXPECT_EQ(forms::Form::fromHandle(nullptr), nullptr);
    form.reset();
    EXPECT_EQ(forms::Form::fromHandle(hwnd), nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
}

} // namespace
