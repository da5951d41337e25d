// The event procedures a window's class overrides, and the drawn buttons it
// tells assistive tools about: the same in every window backend.
#ifndef PELLORY_FORMS_FORM_PROCEDURES_H
#define PELLORY_FORMS_FORM_PROCEDURES_H

#include <cstdint>

#include "forms/drawn_button.h"

namespace forms {

class FormProcedures {
public:
    // Pointer-button and shift state bits as the event procedures receive them.
    static constexpr std::int16_t LeftButton = 1;
    static constexpr std::int16_t RightButton = 2;
    static constexpr std::int16_t MiddleButton = 4;
    static constexpr std::int16_t ShiftMask = 1;
    static constexpr std::int16_t CtrlMask = 2;
    static constexpr std::int16_t AltMask = 4;

    virtual ~FormProcedures() = default;

    // The buttons drawn on the surface, indexed from 0.
    virtual int drawnButtonCount() const { return 0; }
    virtual DrawnButton drawnButton(int) const { return {}; }
    // An assistive tool pressed drawn button `index`.
    virtual void pressDrawnButton(int) {}

protected:
    // Runs once before the window is first shown, and again at the next show
    // after the window was closed.
    virtual void Form_Load() {}
    // Runs after the background picture was drawn into the surface.
    virtual void Form_Paint() {}
    // Runs when the window has been closed (by the user or by close()).
    virtual void Form_Unload() {}
    // Button: the pressed buttons (move) or the released button (up); Shift:
    // the held Shift/Ctrl/Alt keys. X, Y: client pixels.
    virtual void Form_MouseMove(std::int16_t, std::int16_t, float, float) {}
    virtual void Form_MouseUp(std::int16_t, std::int16_t, float, float) {}
    // The pointer left the client area (for a window outside it or for the
    // desktop; not for one of the form's own controls).
    virtual void Form_MouseLeave() {}
};

} // namespace forms

#endif
