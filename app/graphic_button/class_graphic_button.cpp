#include "class_graphic_button.h"

#include <cmath>
#include <limits>

#include "ansi_text.h"

namespace {

// Nearest integer, an exact half going to the even neighbour; independent of
// the floating-point rounding mode.
double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// Glow distances below this count as the centre.
constexpr double DeadZone = 6.0;
constexpr double PeakOpacity = 70.0;
constexpr double FadePerPixel = 2.0;

std::int32_t saturate(std::int64_t value)
{
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < low ? low : value > high ? high : value);
}

} // namespace

std::int32_t glowOpacity(std::int32_t left, std::int32_t top, SpriteSize size, float x, float y,
                         std::int32_t base)
{
    const double px = x;
    const double py = y;
    const double right = static_cast<double>(left) + size.width;
    const double bottom = static_cast<double>(top) + size.height;
    // Edge lines count as outside.
    if (!(left < px && px < right && top < py && py < bottom))
        return base;
    const double dx = roundHalfEven(std::fabs(size.width / 2.0 + left - px));
    const double dy = roundHalfEven(std::fabs(size.height / 2.0 + top - py));
    double distance = roundHalfEven(std::sqrt(dx * dx + dy * dy));
    if (distance < DeadZone)
        distance = 0.0;
    const double glow = PeakOpacity - FadePerPixel * distance;
    return glow >= base ? static_cast<std::int32_t>(glow) : base;
}

ClassGraphicButton::ClassGraphicButton(SpriteLibrary &library) : library_(&library) {}

std::int32_t ClassGraphicButton::Load(std::int32_t x, std::int32_t y,
                                      const std::u16string &FileName)
{
    PosX_ = x;
    PosY_ = y;
    CurrentOpacity_ = RestOpacity;
    const std::string ansiPath = toAnsi(FileName);
    SpriteHandle_ = library_->LoadGUIResourceA(ansiPath.c_str());
    return SpriteHandle_ > 0 ? 1 : 0;
}

void ClassGraphicButton::Render(HDC hDC)
{
    library_->RenderGUISMS(SpriteHandle_, hDC, PosX_, PosY_, CurrentOpacity_);
}

void ClassGraphicButton::SetPalete(HDC hDC)
{
    library_->SetPalette(SpriteHandle_, hDC, PosX_, PosY_);
}

SpriteSize ClassGraphicButton::spriteSize() const
{
    SpriteSize size{0, 0};
    library_->GetGUIResourceSize(SpriteHandle_, &size);
    return size;
}

void ClassGraphicButton::MouseMove(float x, float y)
{
    const std::int32_t base = Selected_ ? SelectedOpacity : RestOpacity;
    CurrentOpacity_ = glowOpacity(PosX_, PosY_, spriteSize(), x, y, base);
}

bool ClassGraphicButton::IsBelongPoint(float x, float y)
{
    const SpriteSize size = spriteSize();
    const double px = x;
    const double py = y;
    // Edges included: one pixel wider on every side than the glow.
    return PosX_ <= px && px <= static_cast<double>(PosX_) + size.width && PosY_ <= py &&
           py <= static_cast<double>(PosY_) + size.height;
}

void ClassGraphicButton::SetSelected(bool IsSelected)
{
    Selected_ = IsSelected;
}

void ClassGraphicButton::Refresh(HWND hWnd)
{
    const SpriteSize size = spriteSize();
    const RECT area{saturate(std::int64_t{PosX_} - 2), saturate(std::int64_t{PosY_} - 2),
                    saturate(std::int64_t{PosX_} + size.width),
                    saturate(std::int64_t{PosY_} + size.height)};
    InvalidateRect(hWnd, &area, TRUE);
}
