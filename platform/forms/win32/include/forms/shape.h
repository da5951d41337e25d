// A rectangular frame drawn on its parent.
#ifndef PELLORY_FORMS_SHAPE_H
#define PELLORY_FORMS_SHAPE_H

#include "forms/control.h"
#include "forms/geometry.h"

namespace forms {

// A rectangle outline of a border colour and width (pixels), inside the
// control's bounds. The window is shaped to the outline: the interior is
// not part of it, and pointer events pass through the outline to the form.
class Shape : public Control {
public:
    explicit Shape(Control *parent);

    void setBorderColor(const Color &color);
    void setBorderWidth(int width);

private:
    bool handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    // The window's region: the control's rectangle less the interior.
    void shapeToOutline();

    COLORREF borderColour_ = RGB(0, 0, 0);
    int borderWidth_ = 1;
};

} // namespace forms

#endif
