// A borderless container that clips its children.
#ifndef PELLORY_FORMS_FRAME_H
#define PELLORY_FORMS_FRAME_H

#include <QWidget>

namespace forms {

// A container with no caption and no border. A child larger than the frame,
// or at a negative offset, shows only the part inside it. Pointer events over
// the frame do not reach the form.
class Frame : public QWidget {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);
};

} // namespace forms

#endif
