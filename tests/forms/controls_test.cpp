// The simple controls: list box highlighting, pictures on buttons and
// images, clipping by frames, and the shape's border.
#include <gtest/gtest.h>

#include <QTest>

#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/image.h"
#include "forms/list_box.h"
#include "forms/shape.h"

namespace {

QImage solid(QSize size, QColor color)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

TEST(ListBox, NothingIsHighlightedAfterFillingAndClickFollowsTheHighlight)
{
    forms::ListBox list;
    QStringList clicked;
    list.setHandler([&] { clicked << QString::fromStdU16String(list.highlightedText()); });
    for (const char16_t *name : {u"Blue", u"Classic", u"Winter"})
        list.addEntry(name);
    list.resize(120, 120);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    list.setFocus();
    EXPECT_EQ(list.highlightedText(), u"");

    list.setCurrentRow(1);
    QTest::keyClick(list.viewport(), Qt::Key_Down);
    QTest::keyClick(list.viewport(), Qt::Key_Down); // already at the end
    EXPECT_EQ(clicked, (QStringList{"Classic", "Winter"}));

    // Neither a click below the entries nor Ctrl+click removes the highlight.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, 115));
    const QRect winter = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, winter.center());
    EXPECT_EQ(list.highlightedText(), u"Winter");

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(clicked, (QStringList{"Classic", "Winter", "Blue"}));

    list.clear();
    EXPECT_EQ(list.highlightedText(), u"");
}

TEST(CommandButton, FacePictureIsCentredAndTheFrameCutsTheButtonsEdges)
{
    forms::Frame frame;
    frame.resize(20, 10);
    auto *button = new forms::CommandButton(&frame);
    button->setGeometry(-5, 0, 30, 16);
    button->setPicture(solid(QSize(10, 6), Qt::red));
    const QImage shown = frame.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(20, 10));
    // The picture spans button pixels 10..19 x 5..10, that is frame pixels 5..14 x 5..10.
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(14, 9), QColor(Qt::red));
    EXPECT_NE(shown.pixelColor(4, 5), QColor(Qt::red));
    EXPECT_NE(shown.pixelColor(15, 5), QColor(Qt::red));
}

TEST(Image, ShowsThePictureAtItsOwnSizeFromTheTopLeft)
{
    forms::Image image;
    image.resize(30, 20);
    image.setAttribute(Qt::WA_NoSystemBackground);
    image.setPicture(solid(QSize(10, 8), Qt::blue));
    const QImage shown = image.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(9, 7), QColor(Qt::blue));
    EXPECT_NE(shown.pixelColor(10, 7), QColor(Qt::blue));
    EXPECT_NE(shown.pixelColor(9, 8), QColor(Qt::blue));
}

TEST(Shape, DrawsItsBorderInsideItsBounds)
{
    QWidget parent;
    parent.resize(40, 40);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::white);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    auto *shape = new forms::Shape(&parent);
    shape->setGeometry(5, 5, 30, 20);
    shape->setBorderColor(forms::Color{0xC0, 0xC0, 0xFF});
    shape->setBorderWidth(5);
    const QImage shown = parent.grab().toImage();
    const QColor border(0xC0, 0xC0, 0xFF);
    EXPECT_EQ(shown.pixelColor(5, 5), border);
    EXPECT_EQ(shown.pixelColor(9, 15), border);
    EXPECT_EQ(shown.pixelColor(34, 24), border);
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::white)); // transparent inside
    EXPECT_EQ(shown.pixelColor(4, 4), QColor(Qt::white));   // nothing outside
}

} // namespace
