// A push button that can show a face picture instead of a caption.
#ifndef PELLORY_FORMS_COMMAND_BUTTON_H
#define PELLORY_FORMS_COMMAND_BUTTON_H

#include <QPushButton>
#include <functional>

#include "forms/picture.h"
#include "forms/text.h"

namespace forms {

// A command button. With a face picture set, the picture is drawn at its own
// size, centred on the button face, and the caption is not shown. Enter and
// Space click a focused button, as click() does from code. Put
// it in a Frame at a negative offset to cut off its edges.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);
    explicit CommandButton(TextView caption, QWidget *parent = nullptr);

    // Replaces what runs on Click.
    void setHandler(std::function<void()> onClick);

    void setPicture(const Picture &picture);
    const Picture &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Picture picture_;
    std::function<void()> onClick_;
};

} // namespace forms

#endif
