// Shows a picture at its own size.
#ifndef PELLORY_FORMS_IMAGE_H
#define PELLORY_FORMS_IMAGE_H

#include "forms/control.h"
#include "forms/picture.h"

namespace forms {

// A picture drawn at its own size from the control's top-left corner, never
// stretched; whatever falls outside the control is cut off. Without a
// picture the control is not there and what lies below shows; with one, the
// part the picture does not reach shows the window colour.
class Image : public Control {
public:
    explicit Image(Control *parent);

    // A buffer whose size does not match its dimensions is refused with std::invalid_argument.
    void setPicture(Picture picture);
    const Picture &picture() const { return picture_; }

private:
    bool handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

    Picture picture_;
};

} // namespace forms

#endif
