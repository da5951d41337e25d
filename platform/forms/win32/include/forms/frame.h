// A borderless container that clips its children.
#ifndef PELLORY_FORMS_FRAME_H
#define PELLORY_FORMS_FRAME_H

#include "forms/control.h"

namespace forms {

// A child window with no caption and no border, in the window colour. A
// child larger than the frame, or at a negative offset, shows only the part
// inside it. Pointer events over the frame do not reach the form.
class Frame : public Control {
public:
    explicit Frame(Control *parent);
};

} // namespace forms

#endif
