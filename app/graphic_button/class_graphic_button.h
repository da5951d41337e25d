// One round category button: a sprite blended at a fixed position of a
// window, glowing as the pointer nears its centre.
#ifndef PELLORY_GRAPHIC_BUTTON_CLASS_GRAPHIC_BUTTON_H
#define PELLORY_GRAPHIC_BUTTON_CLASS_GRAPHIC_BUTTON_H

#include <cstdint>
#include <string>

#include "sprite_library.h"
#include "windows.h"

// Not a control: it keeps a sprite handle from the sprite library, a
// position in client pixels, its opacity percent and its selection, and
// forwards capture and drawing to the library. Its box is (PosX, PosY) and
// the sprite's size, asked of the library at every use (0 x 0 without a
// sprite). A new button has every field zero.
class ClassGraphicButton {
public:
    static constexpr std::int32_t RestOpacity = 30;
    static constexpr std::int32_t SelectedOpacity = 100;

    explicit ClassGraphicButton(SpriteLibrary &library);

    // The loading method: sets the position and opacity 30, loads the
    // sprite file (path converted to the ANSI code page) and returns 1 if it
    // was loaded, 0 if not.
    std::int32_t Load(std::int32_t x, std::int32_t y, const std::u16string &FileName);

    // Blends the sprite at the current opacity over the last captured
    // background, straight onto hDC.
    void Render(HDC hDC);
    // Captures the pixels of hDC under the box.
    void SetPalete(HDC hDC);
    // Recomputes the opacity from a pointer position; draws nothing.
    void MouseMove(float x, float y);
    // True if the point lies in the box, all four edges included.
    bool IsBelongPoint(float x, float y);
    // Changes the selection only: the opacity follows at the next MouseMove.
    void SetSelected(bool IsSelected);
    // Invalidates the box plus two pixels on its left and top, with erasing.
    void Refresh(HWND hWnd);

    std::int32_t PosX() const { return PosX_; }
    std::int32_t PosY() const { return PosY_; }
    std::int32_t SpriteHandle() const { return SpriteHandle_; }
    std::int32_t CurrentOpacity() const { return CurrentOpacity_; }
    bool Selected() const { return Selected_; }
    // The sprite's size, asked of the library now; 0 x 0 without a sprite.
    SpriteSize spriteSize() const;

private:

    SpriteLibrary *library_;
    std::int32_t PosX_ = 0;
    std::int32_t PosY_ = 0;
    std::int32_t SpriteHandle_ = 0;
    std::int32_t CurrentOpacity_ = 0;
    bool Selected_ = false;
};

// The glow's opacity for a pointer at (x, y) over a box at (left, top) of
// width w and height h, for a button whose base opacity is `base`.
std::int32_t glowOpacity(std::int32_t left, std::int32_t top, SpriteSize size, float x, float y,
                         std::int32_t base);

#endif
