// A push button that can show a face picture instead of a caption.
#ifndef PELLORY_FORMS_COMMAND_BUTTON_H
#define PELLORY_FORMS_COMMAND_BUTTON_H

#include <functional>

#include "forms/control.h"
#include "forms/picture.h"
#include "forms/text.h"

namespace forms {

// A system push button. With a face picture set it is drawn by the program:
// the button's edge, then the picture at its own size, centred (one pixel
// further while pressed), the caption not shown but kept as the name
// assistive tools read. Enter and Space click a focused button, as click()
// does from code. Put it in a Frame at a negative offset to cut off its edges.
class CommandButton : public Control {
public:
    explicit CommandButton(Control *parent);
    CommandButton(TextView caption, Control *parent);

    // Replaces what runs on Click.
    void setHandler(std::function<void()> onClick) { onClick_ = std::move(onClick); }
    // Runs Click as a press by the user would (nothing while disabled).
    void click();

    void setPicture(Picture picture);
    const Picture &picture() const { return picture_; }

private:
    bool handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    bool handleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    void drawFace(const DRAWITEMSTRUCT &item) const;

    Picture picture_;
    std::function<void()> onClick_;
};

} // namespace forms

#endif
