// Where things sit on the main window, as its design stores them (twips),
// and the pixel rectangles the painters need.
#pragma once

#include <QRect>

#include "category_names.h"

namespace pellory::assets {

constexpr int kTwipsPerPixel = 15;

// Twips to the nearest pixel; with 15 twips a pixel no value lies halfway.
constexpr int twipsToPixels(int twips)
{
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

struct TwipRect {
    int left, top, width, height;
};

// Pixel rectangle covered by a twip rectangle: both edges rounded.
constexpr QRect toPixels(TwipRect r)
{
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    return QRect(left, top, twipsToPixels(r.left + r.width) - left,
                 twipsToPixels(r.top + r.height) - top);
}

constexpr QSize kClientSize(twipsToPixels(6900), twipsToPixels(4410));

constexpr TwipRect kMessageArea{1080, 840, 4575, 1695};
constexpr TwipRect kNumberBox{2600, 3200, 1740, 390};

// A picture-style command button, larger than the container that clips it.
struct CommandButton {
    const char *faceFile;
    TwipRect container; // relative to the client area
    TwipRect button;    // relative to the container
};

constexpr CommandButton kRandomButton{"random.jpg", {2200, 2720, 2520, 470}, {-50, 0, 2595, 570}};
constexpr CommandButton kSendButton{"send.jpg", {2200, 3600, 2520, 470}, {-50, 0, 2595, 570}};
constexpr CommandButton kRightButton{"right.jpg", {4350, 3200, 380, 390}, {-120, 0, 615, 495}};
constexpr CommandButton kLeftButton{"left.jpg", {2200, 3200, 380, 390}, {-120, 0, 615, 495}};

// Size of the face picture: the whole button.
constexpr QSize faceSize(const CommandButton &b)
{
    return QSize(twipsToPixels(b.button.width), twipsToPixels(b.button.height));
}

// Where the button's top-left corner lands on the client area.
constexpr QPoint faceOrigin(const CommandButton &b)
{
    return toPixels(b.container).topLeft() +
           QPoint(twipsToPixels(b.button.left), twipsToPixels(b.button.top));
}

// The part of the face the container lets through, in face pixels.
constexpr QRect visibleFacePart(const CommandButton &b)
{
    return QRect(toPixels(b.container).topLeft() - faceOrigin(b), toPixels(b.container).size());
}

// The column of category buttons.
constexpr int kCategoryCount = categories::Count;
constexpr int kSpriteSide = 44;
constexpr QPoint categoryButtonOrigin(int index) { return QPoint(410, 10 + 46 * index); }

constexpr QSize kPreviewSize(220, 165);

} // namespace pellory::assets
