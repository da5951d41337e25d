// The form's surface: paint cycles, drawing through hDC, presentation and
// the window hooks of the system layer.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <memory>

#include "gdi_pattern.h"
#include "recording_form.h"
#include "surface_compare.h"
#include "system_services.h"

namespace {

constexpr QRect ClientRect(0, 0, 120, 80);

std::uint32_t backgroundAt(int x, int y)
{
    return (std::uint32_t(x * 2) << 16) | (std::uint32_t(y * 3) << 8) | std::uint32_t(x + y);
}

// Smaller than the client area, so that the window's colour shows right and below.
QImage backgroundPicture()
{
    QImage picture(100, 60, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, backgroundAt(x, y));
    return picture;
}

class FormPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<RecordingForm>();
        form->setPicture(backgroundPicture());
        windowColor = form->palette().color(QPalette::Window).rgb();
    }

    void showAndSettle()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->paints > 0; }));
        QCoreApplication::processEvents();
    }

    // What the window shows on screen, client pixels.
    QImage presented() const
    {
        const QPoint origin = form->client()->mapTo(form.get(), QPoint(0, 0));
        return QGuiApplication::primaryScreen()
            ->grabWindow(form->winId(), origin.x(), origin.y(), ClientRect.width(),
                         ClientRect.height())
            .toImage();
    }

    // Draws a pattern at (50, 30) outside any paint, for a later cycle to wipe out.
    void drawStrayPattern()
    {
        stray = std::make_unique<GdiPattern>(10, 10, 60);
        ASSERT_TRUE(stray->drawOnto(form->hDC(), 50, 30));
    }

    void expectBareBackground()
    {
        const auto background = [this](int x, int y) { return shownBackgroundAt(x, y); };
        EXPECT_EQ(firstDifference(form->surfaceSnapshot(), ClientRect, background), QString());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return firstDifference(presented(), ClientRect, background).isEmpty(); }));
        EXPECT_EQ(firstDifference(presented(), ClientRect, background), QString());
    }

    std::uint32_t shownBackgroundAt(int x, int y) const
    {
        return x < 100 && y < 60 ? backgroundAt(x, y) : windowColor;
    }

    // Background everywhere except where `pattern` was drawn at `at`.
    std::function<std::uint32_t(int, int)> backgroundWith(const GdiPattern &pattern, QPoint at,
                                                          QSize size) const
    {
        return [this, &pattern, at, size](int x, int y) {
            if (QRect(at, size).contains(x, y))
                return pattern.rgbAt(x - at.x(), y - at.y());
            return shownBackgroundAt(x, y);
        };
    }

    std::unique_ptr<RecordingForm> form;
    std::unique_ptr<GdiPattern> stray;
    std::uint32_t windowColor = 0;
};

TEST_F(FormPaint, BackgroundIsDrawnBeforePaintAndPaintsDrawingIsPresented)
{
    GdiPattern pattern(10, 10, 7);
    ASSERT_TRUE(pattern.valid());
    form->onPaint = [&] { EXPECT_TRUE(pattern.drawOnto(form->hDC(), 30, 20)); };
    showAndSettle();

    EXPECT_EQ(form->loads, 1);
    EXPECT_EQ(firstDifference(form->surfaceAtPaint, ClientRect,
                              [this](int x, int y) { return shownBackgroundAt(x, y); }),
              QString());
    const auto expected = backgroundWith(pattern, {30, 20}, {10, 10});
    EXPECT_EQ(firstDifference(form->surfaceSnapshot(), ClientRect, expected), QString());
    EXPECT_EQ(firstDifference(presented(), ClientRect, expected), QString());
}

TEST_F(FormPaint, DrawingOutsideAPaintIsPresentedWithoutRepaintingTheBackground)
{
    showAndSettle();
    const int paints = form->paints;
    GdiPattern first(8, 6, 40);
    GdiPattern second(12, 9, 90);
    ASSERT_TRUE(first.drawOnto(form->hDC(), 60, 40));
    ASSERT_TRUE(second.drawOnto(form->hDC(), 3, 5));

    const auto expected = [&](int x, int y) {
        if (QRect(60, 40, 8, 6).contains(x, y))
            return first.rgbAt(x - 60, y - 40);
        return backgroundWith(second, {3, 5}, {12, 9})(x, y);
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return firstDifference(presented(), ClientRect, expected).isEmpty(); }));
    EXPECT_EQ(firstDifference(presented(), ClientRect, expected), QString());
    EXPECT_EQ(form->paints, paints);
}

TEST_F(FormPaint, DrawingPartlyOutsideTheClientAreaIsClipped)
{
    showAndSettle();
    GdiPattern pattern(20, 20, 3);
    ASSERT_TRUE(pattern.drawOnto(form->hDC(), 110, -10));
    const auto expected = [&](int x, int y) {
        if (x >= 110 && y < 10)
            return pattern.rgbAt(x - 110, y + 10);
        return shownBackgroundAt(x, y);
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return firstDifference(presented(), ClientRect, expected).isEmpty(); }));
    EXPECT_EQ(firstDifference(presented(), ClientRect, expected), QString());
}

TEST_F(FormPaint, RefreshRunsAWholePaintCycleBeforeReturning)
{
    showAndSettle();
    drawStrayPattern();
    const int paints = form->paints;

    form->refresh();

    EXPECT_EQ(form->paints, paints + 1);
    expectBareBackground();
}

TEST_F(FormPaint, InvalidateRectRepaintsInTheNextCycleNotAtOnce)
{
    showAndSettle();
    drawStrayPattern();
    const int paints = form->paints;
    const RECT area{48, 28, 55, 35};

    ASSERT_TRUE(InvalidateRect(form->hWnd(), &area, TRUE));
    EXPECT_EQ(form->paints, paints);

    ASSERT_TRUE(QTest::qWaitFor([&] { return form->paints == paints + 1; }));
    expectBareBackground();
}

TEST_F(FormPaint, TheDeviceContextWorksBeforeTheWindowIsShown)
{
    GdiPattern pattern(5, 5, 1);
    ASSERT_NE(form->hDC(), nullptr);
    ASSERT_TRUE(pattern.drawOnto(form->hDC(), 0, 0));
    const QImage surface = form->surfaceSnapshot();
    EXPECT_EQ(firstDifference(surface, QRect(0, 0, 5, 5),
                              [&](int x, int y) { return pattern.rgbAt(x, y); }),
              QString());
    EXPECT_EQ(form->paints, 0);
}

TEST_F(FormPaint, WindowQueriesAnswerForTheFormsHandle)
{
    showAndSettle();
    EXPECT_EQ(forms::Form::fromHandle(form->hWnd()), form.get());

    RECT rect{};
    ASSERT_TRUE(GetWindowRect(form->hWnd(), &rect));
    const QRect frame = form->frameGeometry();
    EXPECT_EQ(rect.left, frame.left());
    EXPECT_EQ(rect.top, frame.top());
    EXPECT_EQ(rect.right, frame.left() + frame.width());
    EXPECT_EQ(rect.bottom, frame.top() + frame.height());

    const QPoint screen = form->client()->mapToGlobal(QPoint(7, 9));
    POINT point{screen.x(), screen.y()};
    ASSERT_TRUE(ScreenToClient(form->hWnd(), &point));
    EXPECT_EQ(point.x, 7);
    EXPECT_EQ(point.y, 9);

    QCursor::setPos(QPoint(33, 44));
    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, 33);
    EXPECT_EQ(cursor.y, 44);
}

TEST_F(FormPaint, WindowQueriesFailForHandlesThatNameNoForm)
{
    const HWND gone = form->hWnd();
    form.reset();
    const HWND bogus = reinterpret_cast<HWND>(std::uintptr_t{2});
    for (HWND handle : {gone, bogus, static_cast<HWND>(nullptr)}) {
        RECT rect{};
        POINT point{};
        EXPECT_FALSE(GetWindowRect(handle, &rect));
        EXPECT_FALSE(ScreenToClient(handle, &point));
        EXPECT_FALSE(InvalidateRect(handle, nullptr, TRUE));
        EXPECT_EQ(forms::Form::fromHandle(handle), nullptr);
    }
}

TEST_F(FormPaint, LoadRunsOnceBeforeTheFirstShowAndAgainAfterAClose)
{
    showAndSettle();
    EXPECT_EQ(form->loads, 1);
    form->hide();
    form->show();
    EXPECT_EQ(form->loads, 1);
    form->close();
    form->show();
    EXPECT_EQ(form->loads, 2);
}

} // namespace
