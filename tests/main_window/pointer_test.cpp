// The category buttons: hit testing of releases, selection and the filter
// that follows, and the glow drawn on the window's surface after pointer
// moves and timer ticks.
#include <QCursor>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>

#include "forms/command_button.h"
#include "forms/multi_line_text_box.h"
#include "main_window_fixture.h"

namespace {

constexpr int Side = TestSpriteSide;

QPoint buttonOrigin(int index) { return QPoint(410, 10 + 46 * index); }
QPoint buttonCentre(int index) { return buttonOrigin(index) + QPoint(Side / 2, Side / 2); }

// One channel of the straight-alpha blend: float opacity and alpha, the sum
// in double precision truncated toward zero.
QRgb blended(QRgb under, SpritePixel sprite, int percent)
{
    if (sprite.alpha == 0)
        return under;
    const float opacity = std::min(1.0f, static_cast<float>(percent / 100.0));
    const float a = static_cast<float>(sprite.alpha / 255.0 * opacity);
    const float inverse = static_cast<float>(1.0 - a);
    const auto channel = [&](int source, int target) {
        return static_cast<int>(source * static_cast<double>(a) + target * static_cast<double>(inverse));
    };
    return qRgb(channel(sprite.red, qRed(under)), channel(sprite.green, qGreen(under)),
                channel(sprite.blue, qBlue(under)));
}

// Counts the rectangles painted on a widget, i.e. presented to the screen.
class PresentedRectangles : public QObject {
public:
    explicit PresentedRectangles(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            count += static_cast<QPaintEvent *>(event)->region().rectCount();
        return false;
    }
};

class PointerTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        folder.writeDatabase(standardMessages());
        start();
        form->refresh(); // background captured under every button
    }

    // Every pixel of button `index`'s box is the sprite blended at `percent`
    // over the skin's background.
    void expectDrawnAt(int index, int percent)
    {
        const QImage surface = form->surfaceSnapshot();
        const QImage background = folder.background();
        const QPoint origin = buttonOrigin(index);
        int wrong = 0;
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                const QPoint at = origin + QPoint(x, y);
                const QRgb expected = blended(background.pixel(at), testSpritePixel(x, y), percent);
                wrong += (surface.pixel(at) & 0xFFFFFF) != (expected & 0xFFFFFF);
            }
        EXPECT_EQ(wrong, 0) << "button " << index << " at " << percent << "%";
    }

    void expectOpacities(const std::array<int, 6> &expected)
    {
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(form->button(k).CurrentOpacity(), expected[k]) << "button " << k;
    }

    // One real tick of the window's timer, through the event loop.
    void tickWithPointerAt(QPoint client)
    {
        QCursor::setPos(form->client()->mapToGlobal(client));
        QSignalSpy ticks(form->findChild<QTimer *>(QStringLiteral("Timer1")), &QTimer::timeout);
        form->Timer1.start();
        ASSERT_TRUE(ticks.wait(5000));
        form->Timer1.stop();
    }
};

TEST_F(PointerTest, PaintDrawsEveryButtonAtRest)
{
    for (int k = 0; k < 6; ++k)
        expectDrawnAt(k, 30);
}

TEST_F(PointerTest, AMoveMakesTheNearestButtonGlow)
{
    moveTo(buttonCentre(2));
    expectOpacities({30, 30, 70, 30, 30, 30});
    expectDrawnAt(2, 70);
    expectDrawnAt(1, 30);
}

TEST_F(PointerTest, ATickFeedsTheClientPixelUnderThePointer)
{
    // One pixel inside the left edge: d = 19 gives 32. A fixed frame offset
    // would put the point outside the box.
    tickWithPointerAt(QPoint(411, buttonCentre(3).y()));
    expectOpacities({30, 30, 30, 32, 30, 30});
    expectDrawnAt(3, 32);
}

TEST_F(PointerTest, ATickWithThePointerOutsideFadesEveryButton)
{
    moveTo(buttonCentre(0));
    expectDrawnAt(0, 70);
    tickWithPointerAt(QPoint(-200, -200));
    expectOpacities({30, 30, 30, 30, 30, 30});
    expectDrawnAt(0, 30);
}

// Where the system cannot follow the pointer outside the window (Wayland),
// it goes on reporting the last position it knew, over a button.
TEST_F(PointerTest, LeavingTheClientAreaFadesTheGlowUntilThePointerIsSeenElsewhere)
{
    QCursor::setPos(form->client()->mapToGlobal(buttonCentre(0)));
    moveTo(buttonCentre(0));
    expectOpacities({70, 30, 30, 30, 30, 30});

    form->Form_MouseLeave();
    expectOpacities({30, 30, 30, 30, 30, 30});
    expectDrawnAt(0, 30);
    form->Timer1_Timer();
    expectOpacities({30, 30, 30, 30, 30, 30});

    // Off the centre: a later test's move to the centre must be a move.
    tickWithPointerAt(buttonCentre(1) + QPoint(0, 1));
    EXPECT_GT(form->button(1).CurrentOpacity(), 30);
    EXPECT_EQ(form->button(0).CurrentOpacity(), 30);
}

// An idle window redraws its buttons at every tick; when no opacity changed
// that must cost no presentation.
TEST_F(PointerTest, TicksThatChangeNoOpacityPresentNothing)
{
    tickWithPointerAt(QPoint(-200, -200));
    QCoreApplication::processEvents();
    const PresentedRectangles presented(form->client());
    for (int tick = 0; tick < 3; ++tick)
        tickWithPointerAt(QPoint(-200, -200));
    QCoreApplication::processEvents();
    EXPECT_EQ(presented.count, 0);
    tickWithPointerAt(buttonCentre(1));
    QCoreApplication::processEvents();
    EXPECT_GT(presented.count, 0) << "a changed glow is presented";
    tickWithPointerAt(QPoint(-200, -200)); // the pointer is shared with later tests
}

TEST_F(PointerTest, ASelectionShowsFullOpacityAtTheNextMove)
{
    moveTo(buttonCentre(1));
    releaseAt(buttonCentre(1));
    EXPECT_TRUE(form->button(1).Selected());
    expectDrawnAt(1, 70); // drawn at once with the opacity it had
    tickWithPointerAt(QPoint(-200, -200));
    expectOpacities({30, 100, 30, 30, 30, 30});
    expectDrawnAt(1, 100);
}

struct ReleaseCase {
    const char *name;
    QPoint at;
    Qt::MouseButton button;
    int selected;
};

class ReleaseTest : public PointerTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(ReleaseTest, HitsTheBoxWithItsEdges)
{
    releaseAt(GetParam().at, GetParam().button);
    EXPECT_EQ(form->selectedButton(), GetParam().selected);
    EXPECT_EQ(form->messageStore().GetCountFiltredMessage(), GetParam().selected == 0 ? 45 : 60);
}

INSTANTIATE_TEST_SUITE_P(
    Points, ReleaseTest,
    ::testing::Values(ReleaseCase{"LeftEdge", QPoint(410, 30), Qt::LeftButton, 0},
                      ReleaseCase{"RightEdgeOnePastTheSprite", QPoint(450, 30), Qt::LeftButton, 0},
                      ReleaseCase{"BottomEdge", QPoint(430, 50), Qt::LeftButton, 0},
                      ReleaseCase{"RightPointerButton", QPoint(430, 30), Qt::RightButton, 0},
                      ReleaseCase{"BetweenTwoBoxes", QPoint(430, 53), Qt::LeftButton, -1},
                      ReleaseCase{"LeftOfTheColumn", QPoint(409, 30), Qt::LeftButton, -1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PointerTest, SelectingSwitchingAndClearingSetTheFilterAndDisplay)
{
    form->cmdRight->click();
    form->cmdRight->click(); // message 2 of all

    releaseAt(buttonCentre(2)); // category "3", 3 messages
    EXPECT_EQ(form->selectedButton(), 2);
    EXPECT_EQ(form->messageStore().GetCountFiltredMessage(), 3);
    EXPECT_EQ(messageText(), standardBody(3, 2));

    releaseAt(buttonCentre(4)); // category "5" holds nothing
    EXPECT_EQ(form->selectedButton(), 4);
    EXPECT_FALSE(form->button(2).Selected());
    EXPECT_TRUE(form->button(4).Selected());
    EXPECT_EQ(numberText(), QString());
    EXPECT_EQ(messageText(), QStringLiteral("Приятного общения вам и вашим друзьям."));

    releaseAt(buttonCentre(4)); // cleared
    EXPECT_EQ(form->selectedButton(), -1);
    EXPECT_FALSE(form->button(4).Selected());
    EXPECT_EQ(form->messageStore().GetCountFiltredMessage(), 60);
    EXPECT_EQ(numberText(), QStringLiteral("2"));
    EXPECT_EQ(messageText(), standardBody(1, 2));
}

} // namespace
