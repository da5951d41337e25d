// The main window as its design stores it: sizes and positions in twips,
// colours as 0x00BBGGRR, tab indices.
#ifndef PELLORY_MAIN_WINDOW_LAYOUT_H
#define PELLORY_MAIN_WINDOW_LAYOUT_H

#include <cstdint>

namespace main_window_layout {

inline constexpr char Caption[] = "Pellory v.10.4.365.9277";

inline constexpr int ClientWidthTwips = 6900;
inline constexpr int ClientHeightTwips = 4410;

inline constexpr double WindowFontPoints = 9.75;      // bold
inline constexpr double NumberBoxFontPoints = 14.25;  // regular
inline constexpr double ContainerFontPoints = 8.25;   // regular

inline constexpr int TimerIntervalMs = 200;

struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

// A picture-style command button in the borderless container that clips it;
// the button's box is relative to the container. The containers take no
// focus, so only the buttons' tab indices count.
struct ClippedButton {
    TwipsBox container;
    TwipsBox button;
    int buttonTabIndex;
};

inline constexpr ClippedButton Random{{2200, 2720, 2520, 470}, {-50, 0, 2595, 570}, 9};
inline constexpr ClippedButton Send{{2200, 3600, 2520, 470}, {-50, 0, 2595, 570}, 7};
inline constexpr ClippedButton Next{{4350, 3200, 380, 390}, {-120, 0, 615, 495}, 4};
inline constexpr ClippedButton Previous{{2200, 3200, 380, 390}, {-120, 0, 615, 495}, 2};

inline constexpr TwipsBox NumberBox{2600, 3200, 1740, 390};
inline constexpr int NumberBoxTabIndex = 5;
inline constexpr std::uint32_t NumberBoxBackground = 0x00FF8080; // red 128, green 128, blue 255
inline constexpr char NumberBoxInitialText[] = "1";
inline constexpr int NumberBoxMaxTypedLength = 4;

inline constexpr TwipsBox MessageArea{1080, 840, 4575, 1695};
inline constexpr int MessageAreaTabIndex = 0;
inline constexpr std::uint32_t MessageAreaBackground = 0x00FF0000; // pure blue
// Black, the text box default, is hard to read on pure blue.
inline constexpr std::uint32_t MessageAreaText = 0x00FFFFFF; // white
// The length meter: a line inside the message area's frame, below the text.
inline constexpr double LengthMeterFontPoints = 7.5; // regular

// The category buttons: a column of sprites drawn on the client area, in pixels.
inline constexpr int CategoryButtonCount = 6;
inline constexpr int CategoryButtonLeft = 410;
inline constexpr int CategoryButtonTop = 10;
inline constexpr int CategoryButtonPitch = 46;

} // namespace main_window_layout

#endif
