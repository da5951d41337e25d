// The category buttons: the glow follows the pointer (pointer moves and the
// hover timer), a release on a button selects or clears its category, and a
// paint captures the background under each button before drawing it.
#include "frm_main.h"

namespace {

// The category mark a button selects: "1" to "6".
std::u16string categoryMark(int buttonIndex)
{
    return std::u16string(1, static_cast<char16_t>(u'1' + buttonIndex));
}

bool isButtonIndex(std::int32_t index) { return index >= 0 && index < frmMain::ButtonCount; }

// A client point beyond every button's reach: all of them at their base opacity.
constexpr float FarAway = -100000.0f;

bool samePoint(const POINT &a, const POINT &b) { return a.x == b.x && a.y == b.y; }

} // namespace

void frmMain::Form_MouseMove(std::int16_t, std::int16_t, float X, float Y)
{
    // Every button is recomputed and redrawn over its captured background,
    // whether or not its opacity changed.
    for (ClassGraphicButton &button : Buttons) {
        button.MouseMove(X, Y);
        button.Render(hDC());
    }
}

// The first button whose box (edges included) holds the point, or -1.
int frmMain::hitButton(float x, float y)
{
    for (int k = 0; k < ButtonCount; ++k)
        if (Buttons[k].IsBelongPoint(x, y))
            return k;
    return -1;
}

// Drawn at once with the opacity it had: the new base opacity shows at the
// next pointer move or tick.
void frmMain::setButtonSelected(int index, bool selected)
{
    Buttons[index].SetSelected(selected);
    Buttons[index].Render(hDC());
}

void frmMain::Form_MouseUp(std::int16_t, std::int16_t, float X, float Y)
{
    const int hit = hitButton(X, Y);
    if (hit >= 0)
        clickCategory(hit);
}

void frmMain::clickCategory(int hit)
{
    const bool clearing = hit == SelectedButton;
    if (isButtonIndex(SelectedButton))
        setButtonSelected(SelectedButton, false);
    if (clearing) {
        SelectedButton = -1;
        MessageStore.SetFilter(std::u16string());
    } else {
        SelectedButton = hit;
        setButtonSelected(hit, true);
        MessageStore.SetFilter(categoryMark(hit));
    }
    drawnButtonsChanged();
    ShowCurrentSms();
}

void frmMain::Form_Paint()
{
    for (ClassGraphicButton &button : Buttons) {
        button.SetPalete(hDC());
        button.Render(hDC());
    }
}

// The glow fades at once, also where the system reports no pointer
// positions outside the window.
void frmMain::Form_MouseLeave()
{
    POINT pointer{};
    if (GetCursorPos(&pointer))
        pointerLeftAt_ = pointer;
    Form_MouseMove(0, 0, FarAway, FarAway);
}

// Feeds the pointer to the buttons wherever it is, so the glow fades when it
// leaves the window. The screen position is turned into client pixels by the
// system rather than by a fixed frame offset, which would be wrong for any
// other frame size. A position unchanged since the pointer left the client
// area is a stale one (the system lost track of the pointer): far away.
void frmMain::Timer1_Timer()
{
    POINT pointer{};
    if (!GetCursorPos(&pointer))
        return;
    if (pointerLeftAt_ && samePoint(*pointerLeftAt_, pointer)) {
        Form_MouseMove(0, 0, FarAway, FarAway);
        return;
    }
    pointerLeftAt_.reset();
    if (!ScreenToClient(hWnd(), &pointer))
        return;
    Form_MouseMove(0, 0, static_cast<float>(pointer.x), static_cast<float>(pointer.y));
}
